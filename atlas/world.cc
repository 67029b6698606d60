#include "atlas/world.h"
