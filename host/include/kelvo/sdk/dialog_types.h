/* Kelvo plug-in interface: dialog toolkit callbacks, item types and notifications. */
#ifndef KELVO_SDK_DIALOG_TYPES_H
#define KELVO_SDK_DIALOG_TYPES_H

#include "kelvo/sdk/base.h"

#ifdef __cplusplus
extern "C" {
#endif

/* Runs when a dialog (or an item created with one) is set up, before it shows. 0 on success. */
typedef KvResult (*KvDialogInitProc)(KvDialog dialog);
typedef KvResult (*KvItemInitProc)(KvItem item);
/* Called for the user's changes of an item and for sendNotify. */
typedef void (*KvNotifyProc)(KvItem item, KvNotifier notifier);
/* Called for a mouse event on the item; returns non-zero when it handled the event. */
typedef int32_t (*KvTrackProc)(KvItem item, KvTracker tracker);

#define kKvSpinEditType "ADM Spin Edit Type"
#define kKvTextStaticType "ADM Text Static Type"
#define kKvPopupListType "ADM Popup List Type"
#define kKvTextCheckBoxType "ADM Text Check Box Type"
#define kKvTextPushButtonType "ADM Text Push Button Type"
#define kKvPicturePushButtonType "ADM Picture Push Button Type"
#define kKvFrameType "ADM Frame Type"

#define kKvUserChangedNotifier "ADM User Changed Notifier"

/* Modifier bits reported by the tracker. */
enum { kModifierPick = 0x20 };

/* Fonts. */
enum { kFontNormal = 0, kFontCaption = 5 };

#ifdef __cplusplus
}
#endif

#endif
