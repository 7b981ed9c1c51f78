#pragma once

#include <cstddef>
#include <cstring>
#include <string_view>
#include <type_traits>

// How the line breaks of a shuffled article come out: each one (CR LF, a lone
// CR or a lone LF) becomes CR LF, as the line rules of the program's string
// lists make it, or LF, as Qt editors and Unix files want it.
enum class LineBreakStyle { CrLf, Lf };

// How a piece is cleaned on its way into the result.
struct PieceCleaning {
    bool removeSpaces;
    bool removeLineBreaks;
    // Off for pieces whose breaks are already in their final form: CR and LF
    // are then copied as they stand (unless removed).
    bool rewriteLineBreaks;
    LineBreakStyle lineBreaks;
};

// Writes cleaned pieces, keywords and delimiters into a buffer that the caller
// sized for the whole result, in UTF-8 (char) or UTF-16 (char16_t). Each
// piece is read once and copied in runs between the characters that cleaning
// touches.
template <typename Char>
class PieceWriter {
public:
    using Text = std::basic_string_view<Char>;

    PieceWriter(Char* buffer, PieceCleaning cleaning)
        : m_begin(buffer)
        , m_end(buffer)
        , m_cleaning(cleaning)
    {
    }

    std::size_t Size() const { return std::size_t(m_end - m_begin); }

    // Spaces, ideographic spaces and tabs go when removeSpaces is on. With
    // removeLineBreaks on, the piece is first trimmed of control characters
    // and spaces at both ends, and CR and LF go wherever they stand. Otherwise
    // each line break is written in the chosen style; lineBreakAfter adds one
    // at the end.
    void AppendPiece(Text piece, bool lineBreakAfter)
    {
        std::size_t begin = 0;
        std::size_t end = piece.size();
        if (m_cleaning.removeLineBreaks) {
            // The characters that the removal of spaces drops cannot stop the
            // trim, so the trim takes them too.
            while (begin < end) {
                auto const width = TrimmableWidth(piece.substr(begin, end - begin), true);
                if (width == 0)
                    break;
                begin += width;
            }
            while (end > begin) {
                auto const width = TrimmableWidth(piece.substr(begin, end - begin), false);
                if (width == 0)
                    break;
                end -= width;
            }
        }
        bool const breaksAreSpecial = m_cleaning.removeLineBreaks || m_cleaning.rewriteLineBreaks;
        std::size_t keptFrom = begin;
        std::size_t position = begin;
        while (position < end) {
            auto const unit = Unit(piece[position]);
            if (unit > 0x20 && unit != Unit(kIdeographicSpace[0])) {
                ++position;
                continue;
            }
            std::size_t skipped = 0;
            bool lineBreak = false;
            if ((unit == u'\r' || unit == u'\n') && breaksAreSpecial) {
                skipped = unit == u'\r' && position + 1 < end && piece[position + 1] == Char(u'\n') ? 2 : 1;
                lineBreak = !m_cleaning.removeLineBreaks;
            } else if (m_cleaning.removeSpaces) {
                skipped = SpaceWidthAt(piece.substr(position, end - position));
            }
            if (skipped == 0) {
                ++position;
                continue;
            }
            Append(piece.substr(keptFrom, position - keptFrom));
            if (lineBreak)
                AppendLineBreak();
            position += skipped;
            keptFrom = position;
        }
        Append(piece.substr(keptFrom, end - keptFrom));
        if (lineBreakAfter && !m_cleaning.removeLineBreaks)
            AppendLineBreak();
    }

    // Text taken as it stands.
    void Append(Text text)
    {
        if (text.empty())
            return;
        std::memcpy(m_end, text.data(), text.size() * sizeof(Char));
        m_end += text.size();
    }

    // A keyword whose line breaks the caller already wrote in the chosen style.
    // startsWithLoneLf tells that the keyword as given starts with an LF of its
    // own, not one of CR LF: with LF breaks, that LF right after a CR that a
    // keyword ended with joins it into one break, as turning the whole
    // result's CR LF into LF would.
    void AppendKeyword(Text keyword, bool startsWithLoneLf)
    {
        if (m_cleaning.rewriteLineBreaks && m_cleaning.lineBreaks == LineBreakStyle::Lf && startsWithLoneLf
            && m_end != m_begin && m_end[-1] == Char(u'\r'))
            --m_end;
        Append(keyword);
    }

private:
    using Unit = std::make_unsigned_t<Char>;

    // U+3000 in the text's own form.
    static constexpr std::basic_string_view<Char> kIdeographicSpace = [] {
        if constexpr (sizeof(Char) == 1)
            return std::basic_string_view<Char>("\xE3\x80\x80");
        else
            return std::basic_string_view<Char>(u"\u3000");
    }();

    // The width of the space, ideographic space or tab that text starts with, or 0.
    static std::size_t SpaceWidthAt(Text text)
    {
        if (text.front() == Char(u' ') || text.front() == Char(u'\t'))
            return 1;
        return text.starts_with(kIdeographicSpace) ? kIdeographicSpace.size() : 0;
    }

    // The width of the character at the front (or back) of the text that the
    // trim takes, or 0.
    std::size_t TrimmableWidth(Text text, bool atFront) const
    {
        auto const unit = Unit(atFront ? text.front() : text.back());
        if (unit <= 0x20)
            return 1;
        bool const ideographic = atFront ? text.starts_with(kIdeographicSpace) : text.ends_with(kIdeographicSpace);
        return m_cleaning.removeSpaces && ideographic ? kIdeographicSpace.size() : 0;
    }

    void AppendLineBreak()
    {
        if (m_cleaning.lineBreaks != LineBreakStyle::Lf)
            *m_end++ = Char(u'\r');
        *m_end++ = Char(u'\n');
    }

    Char* m_begin;
    Char* m_end;
    PieceCleaning m_cleaning;
};
