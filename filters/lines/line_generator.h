// Ravelo's generator.
#pragma once

#include "kelvo/sdk/base.h"
#include "line_params.h"

// Draws record.repeatBlocks blocks of record.lineCount lines from the start point, each line
// created, turned and scaled about its own centre, optionally turned about the start point,
// painted, blended toward the first line's style and given its random opacity and guide flag.
// Runs for Go (finalRun 1) and for the dialog's preview (finalRun 0, ending with a redraw); a
// Go that finds a preview in the document keeps it and draws nothing. Every other run first
// undoes the previous preview.
//
// A line whose geometry is not finite is left out, and a turn or scaling whose result would
// not be finite is not applied. Returns 0 or the first failing result of the undo, of making a
// line, of reading its bounds, of transforming it, of making it a guide or of the redraw; art
// made before a failure stays in the document.
KvResult DrawLines(LineParams& record);
