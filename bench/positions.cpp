#include "positions.h"

#include <cstring>

namespace benchpositions {

namespace {

struct picture {
    char side;
    const char *rows[17];
};

// Made by seeded play: one move in four at random, the others the best by
// "H4 : H3 + Split" with a small random tie-break.
const picture pictures[] = {
    // seed 2024, 24 plies in, 35 successors
    {'o', {"0000c000000000000",
          "0000rc00000000000",
          "0000crr0000000000",
          "0000ccrc000000000",
          "cccccccrccccc0000",
          "0cccccccccccc0000",
          "00ccccroccccc0000",
          "000cccccccccc0000",
          "0000ccocccccc0000",
          "0000ccccorcccc000",
          "0000ccococccccc00",
          "0000ccrccrcccccc0",
          "0000ccccccocccccc",
          "000000000ccoc0000",
          "0000000000cro0000",
          "00000000000co0000",
          "000000000000o0000"}},
    // seed 2025, 32 plies in, 31 successors
    {'o', {"0000c000000000000",
          "0000cr00000000000",
          "0000ccc0000000000",
          "0000cccr000000000",
          "ccccccrcccccc0000",
          "0ccccccrcoccc0000",
          "00cccccccoccc0000",
          "000ccccoccrcc0000",
          "0000ccccccccc0000",
          "0000cccccccccc000",
          "0000ccccrcrcocc00",
          "0000cccccccccccc0",
          "0000ccccooorocccc",
          "000000000crcr0000",
          "0000000000ccc0000",
          "00000000000oo0000",
          "000000000000c0000"}},
    // seed 2026, 40 plies in, 28 successors
    {'o', {"0000o000000000000",
          "0000ro00000000000",
          "0000occ0000000000",
          "0000rccc000000000",
          "ccccccccccccc0000",
          "0cccrcccccccc0000",
          "00ccccccccccc0000",
          "000ccrcrccccc0000",
          "0000ccccrcccc0000",
          "0000ccccoccccr000",
          "0000ccccccccccr00",
          "0000cccccocccccc0",
          "0000ccccccocccccc",
          "000000000ooco0000",
          "0000000000ccc0000",
          "00000000000ro0000",
          "000000000000r0000"}},
    // seed 2027, 48 plies in, 25 successors
    {'o', {"0000o000000000000",
          "0000oo00000000000",
          "0000rcc0000000000",
          "0000ccco000000000",
          "cccccrccccccc0000",
          "0cccccccocccc0000",
          "00ccccrcccccc0000",
          "000ccccccrccc0000",
          "0000ccccrcrcc0000",
          "0000cccccrcccc000",
          "0000ccccococccc00",
          "0000cccccocrcccc0",
          "0000ccccocccccccc",
          "000000000cocc0000",
          "0000000000ccc0000",
          "00000000000rc0000",
          "000000000000r0000"}},
    // seed 2028, 24 plies in, 40 successors
    {'o', {"0000c000000000000",
          "0000rr00000000000",
          "0000ccc0000000000",
          "0000cccr000000000",
          "ccccrcccrcccc0000",
          "0ccccrocccccc0000",
          "00ccccocccccc0000",
          "000cccccccccc0000",
          "0000cccrrcccc0000",
          "0000cccccccccc000",
          "0000cccccoccccc00",
          "0000cccocccccccc0",
          "0000ccccocooocccc",
          "000000000ccro0000",
          "0000000000ccc0000",
          "00000000000or0000",
          "000000000000c0000"}},
    // seed 2029, 32 plies in, 23 successors
    {'o', {"0000o000000000000",
          "0000rc00000000000",
          "0000ocr0000000000",
          "0000rccc000000000",
          "ccccccccccccc0000",
          "0cccccrcccccc0000",
          "00ccccccccccc0000",
          "000ccorrocccc0000",
          "0000ccccccccc0000",
          "0000cccccrcccc000",
          "0000ccccocrcccc00",
          "0000cccccocccccc0",
          "0000ccccccccccccc",
          "000000000oroc0000",
          "0000000000rcc0000",
          "00000000000oo0000",
          "000000000000c0000"}},
    // seed 2030, 40 plies in, 36 successors
    {'o', {"0000c000000000000",
          "0000cc00000000000",
          "0000occ0000000000",
          "0000ccco000000000",
          "cccccrcrccccc0000",
          "0cccrcrcccccc0000",
          "00cccccrccccc0000",
          "000cccccocccc0000",
          "0000occrcrccc0000",
          "0000cocccccccc000",
          "0000ccccooccccc00",
          "0000cccccrcrcccc0",
          "0000ccccccccrcccc",
          "000000000coco0000",
          "0000000000cco0000",
          "00000000000cc0000",
          "000000000000c0000"}},
    // seed 2031, 48 plies in, 35 successors
    {'o', {"0000c000000000000",
          "0000oc00000000000",
          "0000ccc0000000000",
          "0000orco000000000",
          "ccccccccccccc0000",
          "0cccccroccccc0000",
          "00ccccccccccc0000",
          "000cccccrcccc0000",
          "0000ccocccccc0000",
          "0000cccrrrrccc000",
          "0000ccccccccccc00",
          "0000cccccocccccc0",
          "0000ccccccccccccc",
          "000000000orco0000",
          "0000000000rcc0000",
          "00000000000oo0000",
          "000000000000r0000"}},
};

} // namespace

const std::vector<position> &midgame()
{
    static const std::vector<position> all = [] {
        std::vector<position> v;
        for (const picture &p : pictures) {
            position q;
            q.side = p.side;
            for (int r = 0; r < 17; ++r)
                std::memcpy(q.board + 17 * r, p.rows[r], 17);
            v.push_back(q);
        }
        return v;
    }();
    return all;
}

} // namespace benchpositions
