#include "position.h"

#include <algorithm>
#include <cstdio>

namespace {

std::string format(const char *fmt, auto... args)
{
    char text[160];
    std::snprintf(text, sizeof text, fmt, args...);
    return text;
}

// The letter as the user typed it, or its code when it does not print.
std::string shown(char letter)
{
    const unsigned char c = static_cast<unsigned char>(letter);
    return c >= 0x20 && c < 0x7f ? format("'%c'", letter) : format("byte 0x%02x", c);
}

} // namespace

bool parseposition(std::string_view line, position &pos, std::string &error)
{
    if (!line.empty() && line.back() == '\r') // tolerate files with CRLF line ends
        line.remove_suffix(1);
    if (line.size() < 2 || line[1] != ' ') {
        error = line.empty() ? "empty line; expected the side (o or r), one space and 289 cell letters"
                             : "expected the side (o or r), one space and 289 cell letters";
        return false;
    }
    if (line[0] != 'o' && line[0] != 'r') {
        error = "unknown side " + shown(line[0]) + "; expected o or r";
        return false;
    }
    const std::string_view board = line.substr(2);
    if (board.size() != boardsize) {
        error = format("the board has %zu letters; expected %d", board.size(), boardsize);
        return false;
    }
    for (int i = 0; i < boardsize; ++i) {
        const char letter = board[i];
        if (letter != 'o' && letter != 'r' && letter != 'c' && letter != '0') {
            error = format("unknown letter %s at index %d; expected o, r, c or 0", shown(letter).c_str(), i);
            return false;
        }
        if (instar(i) && letter == '0') {
            error = format("the star hole at index %d holds '0'; expected o, r or c", i);
            return false;
        }
        if (!instar(i) && letter != '0') {
            error = format("index %d lies outside the star but holds '%c'; expected 0", i, letter);
            return false;
        }
    }
    for (char side : {'o', 'r'}) {
        const auto pieces = std::count(board.begin(), board.end(), side);
        if (pieces != 10) {
            error = format("side %c has %d pieces; expected 10", side, static_cast<int>(pieces));
            return false;
        }
    }
    pos.side = line[0];
    std::copy(board.begin(), board.end(), pos.board);
    return true;
}
