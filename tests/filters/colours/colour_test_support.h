// Chromble's record compared word by word: the words of one of its fields.
#pragma once

#include "colour_params.h"
#include "filter_test_support.h"

#define COLOUR_WORDS(field) RECORD_WORDS(ColourParams, field)
