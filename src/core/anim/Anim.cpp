#include "core/anim/Anim.h"

void BuildFrame(const TFrame&, TFrame&, int) {}
