// Tessivo's record compared word by word: the words of one of its fields.
#pragma once

#include "edge_params.h"
#include "filter_test_support.h"

#define EDGE_WORDS(field) RECORD_WORDS(EdgeFrameParams, field)
