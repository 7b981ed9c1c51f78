#pragma once

// What the skin fuzz targets share: packages handed to the stored skin the
// way the program stores them, and checks that stop the run at once.
#include <QByteArray>

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <initializer_list>
#include <string>
#include <vector>
#include <zlib.h>

// The package as the stored skin takes it, compressed at the fastest level:
// the load and what follows it, not the compression, are under test. (Stored
// blocks would cost less to make, but the reader sizes its output from the
// compressed size as for a real skin, 20 to 30 times smaller.)
inline QByteArray QuicklyCompressed(const QByteArray& package)
{
    uLongf length = compressBound(static_cast<uLong>(package.size()));
    QByteArray compressed(static_cast<qsizetype>(length), Qt::Uninitialized);
    compress2(reinterpret_cast<Bytef*>(compressed.data()), &length,
        reinterpret_cast<const Bytef*>(package.constData()), static_cast<uLong>(package.size()), Z_BEST_SPEED);
    compressed.resize(static_cast<qsizetype>(length));
    return compressed;
}

// The fuzzer's bytes as a byte array, without a copy; valid during the call.
inline QByteArray InputBytes(const std::uint8_t* data, std::size_t size)
{
    return QByteArray::fromRawData(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
}

// A broken invariant is a finding, like a crash.
inline void Require(bool condition)
{
    if (!condition)
        std::abort();
}

// The same, saying first what broke: describe() is called only then, so a
// check that holds costs no text.
template <typename Describe>
inline void Require(bool condition, Describe describe)
{
    if (!condition) {
        const std::string what = describe();
        std::fprintf(stderr, "Invariant broken: %s\n", what.c_str());
        std::abort();
    }
}

// Puts flags in front of the command line's from LLVMFuzzerInitialize, so
// that the same flag given on the command line still wins.
inline void PutFlagsFirst(int* argc, char*** argv, std::initializer_list<const char*> flags)
{
    static std::vector<std::string> added;
    static std::vector<char*> arguments;
    added.assign(flags.begin(), flags.end());
    arguments.assign(*argv, *argv + *argc);
    for (auto flag = added.rbegin(); flag != added.rend(); ++flag)
        arguments.insert(arguments.begin() + 1, flag->data());
    *argc = static_cast<int>(arguments.size());
    arguments.push_back(nullptr);
    *argv = arguments.data();
}

// libFuzzer reads back every input it has just written to the corpus folder,
// in case another process shares the folder; these targets run one process
// per folder, and their inputs are whole skin packages.
inline constexpr char kNoCorpusReload[] = "-reload=0";
