#pragma once
// qvk-calc map: the Beam Map as a PNG, drawn where no display exists.
//
//   qvk-calc map HOME --png FILE [--target TARGET] [--size PIXELS] [--radius KM] [--utc YYYY-MM-DDTHH:MM]
//                [--cty PATH]
//
// HOME and TARGET are positions as "bearing" takes them, TARGET a callsign too
// (its entity's position in the country file --cty names, or the newest). The picture is
// PIXELS square (1000), shows the whole Earth or RADIUS kilometres round home,
// and the grey line of the given UTC minute (now). It prints where home lies
// in the picture and the scale, so that scripts can add their own marks:
//
//   centre=500,500 scale=0.0236374
//
// (pixels from the top left; pixels per kilometre).

#include "app/calc/arguments.h"

#include <initializer_list>
#include <string>

namespace qvk::calc {

inline constexpr std::initializer_list<const char*> kMapOptions = {"--png",    "--target", "--size",
                                                                   "--radius", "--utc",    "--cty"};

// Every map option takes a value ("--png FILE").
bool isMapOptionWithValue(const std::string& flag);

// Runs the command on its word (HOME) and flags ("--png=FILE", ...) and
// returns qvk-calc's exit status: 0 done, 1 invalid input or a file that
// cannot be read or written (the reason on standard error), 64 bad arguments.
int beamMapCommand(const Arguments& arguments);

}  // namespace qvk::calc
