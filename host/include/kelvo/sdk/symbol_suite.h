/* Kelvo plug-in interface: "AI Symbol Suite" 1. */
#ifndef KELVO_SDK_SYMBOL_SUITE_H
#define KELVO_SDK_SYMBOL_SUITE_H

#include "kelvo/sdk/base.h"

#ifdef __cplusplus
extern "C" {
#endif

#define kKvSymbolSuite "AI Symbol Suite"
#define kKvSymbolSuiteVersion 1

typedef struct KvSymbolSuite {
    /* A new symbol defined by a copy of `art`; the object itself becomes an instance of the
     * symbol in its place (its handle now names the instance). `flags` is 0. */
    KvResult (*newSymbolFromArt)(KvSymbolHandle* outSymbol, KvArtHandle art, int32_t flags);
    KvResult (*countSymbols)(int32_t* outCount);
    KvResult (*getNthSymbol)(int32_t index, KvSymbolHandle* outSymbol);
    KvResult (*getSymbolName)(KvSymbolHandle symbol, char* outName, int32_t capacity);
} KvSymbolSuite;

#ifdef __cplusplus
}
#endif

#endif
