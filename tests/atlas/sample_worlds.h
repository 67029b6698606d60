// Atlas worlds built by hand for the views' tests and reader checks.
#pragma once

#include <cstdint>

#include "atlas/world.h"
#include "maps/picture_set.h"

namespace qv::test {

// A small world: cells around (54..61, 27..34) seen from turn 50 to 60,
// with icons and every terrain; a far cluster at (1000, -500) seen in turn
// 3; character 1234's steps of turns 58 to 60 (a teleport between 59 and
// 60) and character 77's of turn 60; places with accents ("Tükörtó" at
// (57,31), "Kis Tükörtó ..." at (56,33)), one without a name and one on an
// unseen cell; one conflict.
AtlasWorld SmallAtlasWorld();

// A world of `cells` cells walked by one character over `turns` turns: a
// band a few cells wide winding over the plane, with a place every 40
// cells; the same world for the same arguments.
AtlasWorld GeneratedAtlasWorld(int cells, int turns);

// Pictures of the map's sizes: terrain 1 all black, the other tiles, the
// icons and the arrows all white.
MapPictures PlainMapPictures();

}  // namespace qv::test
