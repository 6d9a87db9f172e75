// Quadrel's main dialog: four pages of settings ("Grid", "Modify", "Fill", "Settings") for the
// direction chosen in its direction list, beside an always-visible column of OK, Cancel,
// "Shuffle", "Tumble", "Preview", the preset list and the view zoom box.
#pragma once

#include "kelvo/sdk/base.h"

// The dialog procedure of the modal main dialog; its user data is the GridParams record, which
// every item edits in place. Builds the items, shows the direction and page kept in the
// record, gathers the selection and draws the first preview. Returns 0.
KvResult InitGridDialog(KvDialog dialog);
