/* Kelvo plug-in interface: "AI Document Suite" 7: the current document. */
#ifndef KELVO_SDK_DOCUMENT_SUITE_H
#define KELVO_SDK_DOCUMENT_SUITE_H

#include "kelvo/sdk/base.h"

#ifdef __cplusplus
extern "C" {
#endif

#define kKvDocumentSuite "AI Document Suite"
#define kKvDocumentSuiteVersion 7

/* Document colour models (not the colour kinds). */
enum { kColourModelGray = 0, kColourModelThree = 1, kColourModelFour = 2 };

typedef struct KvDocumentSuite {
    /* Page width and height in points. */
    KvResult (*getDocumentSize)(KvRealPoint* outSize);
    /* Asks the front end to show the document's current state. */
    KvResult (*redrawDocument)(void);
    KvResult (*getDocumentColourModel)(int16_t* outModel);
} KvDocumentSuite;

#ifdef __cplusplus
}
#endif

#endif
