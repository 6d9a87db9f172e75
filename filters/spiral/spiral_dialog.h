// Volutia's main dialog: five pages of settings beside an always-visible column of OK, Cancel,
// "Shuffle", "Tumble", "Preview", the preset list and the view zoom box.
#pragma once

#include "kelvo/sdk/base.h"

// The dialog procedure of the modal main dialog; its user data is the SpiralParams record,
// which every item edits in place. Builds the items, then shows the page kept in the record
// and draws the first preview. Returns 0.
KvResult InitSpiralDialog(KvDialog dialog);
