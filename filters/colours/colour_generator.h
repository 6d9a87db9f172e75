// Chromble's recolouring engine and the list of selected art it works on.
#pragma once

#include "colour_params.h"
#include "kelvo/sdk/base.h"

// Recolours the gathered selection, last entry first: the mode on the fill or stroke colour,
// the colour option, then "Width [R]", "Apply [R]", "Style [R]", "Interpolate", "Opacity [R]",
// "Blend [R]" and "Symbolize". Runs for Go (finalRun 1) and for the dialog's preview
// (finalRun 0); a Go that finds a preview in the document keeps it and changes nothing. Every
// other run first undoes the previous preview. A Go, and every failing run, releases the list.
// Returns 0 or the first failing host result.
KvResult RecolourArt(ColourParams& record);

// Gathers the selected paths, compound paths and envelopes (kinds 2, 3 and 8) into the list in
// the plug-in globals, dropping the member paths of selected compound paths so that they are
// recoloured only through their compound path. A list still held is released first. A failure
// releases the list and is returned.
KvResult GatherSelectedArt();

// Releases the list: its memory, then gatheredArt null and gatheredCount -1. Safe to call
// when no list is held.
void FreeGatheredArt();
