#pragma once

#include "base/random_generator.h"

#include <QString>
#include <QStringList>

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <memory>
#include <ostream>
#include <vector>

using namespace Qt::StringLiterals;

// Shows control characters as escapes, so a failure tells CR from LF.
inline void PrintTo(const QString& text, std::ostream* out)
{
    QString shown;
    for (QChar const c : text) {
        if (c == u'\r')
            shown += u"\\r"_s;
        else if (c == u'\n')
            shown += u"\\n"_s;
        else if (c.unicode() < 0x20)
            shown += u"\\x%1"_s.arg(c.unicode(), 2, 16, QChar(u'0'));
        else
            shown += c;
    }
    *out << '"' << shown.toStdString() << '"';
}

// The inverse of the generator's multiplier modulo 2^32, found independently.
inline constexpr std::uint32_t kInverseMultiplier = 3645876429u;

struct ScriptedDraw {
    std::uint32_t range;
    std::uint32_t value;
};

// A generator whose reseeds pick the seed that makes the following draw give
// the scripted value, so a test can name the draws it wants. Counts the
// reseeds; running past the script fails the test.
class ScriptedGenerator {
public:
    explicit ScriptedGenerator(std::vector<ScriptedDraw> draws)
        : m_draws(std::make_shared<std::vector<ScriptedDraw>>(std::move(draws)))
        , m_reseeds(std::make_shared<std::size_t>(0))
        , m_generator(0, [draws = m_draws, reseeds = m_reseeds] {
            if (*reseeds >= draws->size()) {
                ADD_FAILURE() << "more draws than scripted";
                return std::uint32_t(0);
            }
            auto const draw = (*draws)[(*reseeds)++];
            // The smallest state that the draw maps onto the wanted value.
            auto const state = std::uint32_t(((std::uint64_t(draw.value) << 32) + draw.range - 1) / std::max(draw.range, 1u));
            return std::uint32_t((state - 1u) * kInverseMultiplier);
        })
    {
    }

    RandomGenerator& Generator() { return m_generator; }
    std::size_t Reseeds() const { return *m_reseeds; }
    bool Finished() const { return *m_reseeds == m_draws->size(); }

private:
    std::shared_ptr<std::vector<ScriptedDraw>> m_draws;
    std::shared_ptr<std::size_t> m_reseeds;
    RandomGenerator m_generator;
};
