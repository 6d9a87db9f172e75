// The error dialog, the About dialog and counted strings.
#include <cmath>
#include <cstring>

#include "plugin.h"

namespace {

constexpr int32_t kErrorStrings = 16050;
constexpr int32_t kAboutDialog = 16050;
constexpr int32_t kErrorDialog = 16051;

struct ErrorRecord {
    char message[256];
    char code[16];
};

KvResult InitErrorDialog(KvDialog dialog) {
    auto* record = static_cast<ErrorRecord*>(sDialog->getUserData(dialog));
    sItem->setNotifyProc(sDialog->getItem(dialog, 1), PassNotification);
    sItem->setText(sDialog->getItem(dialog, 2), record->message);
    sItem->setText(sDialog->getItem(dialog, 3), record->code);
    return kResultOk;
}

KvResult InitAboutDialog(KvDialog dialog) {
    sItem->setNotifyProc(sDialog->getItem(dialog, 1), PassNotification);
    return kResultOk;
}

void ShowErrorDialog(KvMessage* message, ErrorRecord* record) {
    if (sDialog == nullptr) return;
    sDialog->modal(message->plugin, "Error Dialog", kErrorDialog, 0, InitErrorDialog, record);
}

bool isNumericKey(const char* key) { return key[0] == '-' || (key[0] >= '0' && key[0] <= '9'); }

int32_t keyCode(char* key) {
    if (isNumericKey(key)) return TextToCode(key);
    unsigned char bytes[4] = {};
    for (int i = 0; i < 4 && key[i] != '\0'; ++i) bytes[i] = static_cast<unsigned char>(key[i]);
    return KV_FOURCC(bytes[0], bytes[1], bytes[2], bytes[3]);
}

}  // namespace

void PassNotification(KvItem item, KvNotifier notifier) { sItem->defaultNotify(item, notifier); }

unsigned char* ToLengthPrefixed(char* buffer) {
    std::size_t length = std::strlen(buffer);
    if (length > 255) return nullptr;
    std::memmove(buffer + 1, buffer, length);
    buffer[0] = static_cast<char>(length);
    return reinterpret_cast<unsigned char*>(buffer);
}

char* FromLengthPrefixed(unsigned char* buffer) {
    std::size_t length = buffer[0];
    std::memmove(buffer, buffer + 1, length);
    buffer[length] = '\0';
    return reinterpret_cast<char*>(buffer);
}

int32_t TextToCode(char* key) {
    char text[257];
    std::strncpy(text, key, sizeof text - 1);
    text[sizeof text - 1] = '\0';
    unsigned char* counted = ToLengthPrefixed(text);
    float value = 0;
    // A key that cannot be read matches no code: use one no 16-bit value equals.
    if (counted == nullptr || sUser->textToReal(counted, &value) != kResultOk || !std::isfinite(value))
        return INT32_MIN;
    double whole = value > 0 ? std::floor(value) : std::ceil(value);
    auto wide = static_cast<int64_t>(std::fmod(whole, 4294967296.0));
    return static_cast<int16_t>(static_cast<uint16_t>(wide & 0xFFFF));
}

void CodeToText(int32_t code, char* out) {
    unsigned char text[256] = {};
    out[0] = '\0';
    if (sUser->realToText(static_cast<float>(code), 0, text) != kResultOk) return;
    if (text[0] > 15) text[0] = 15;
    std::strcpy(out, FromLengthPrefixed(text));
}

void ReportError(KvMessage* message, KvResult code) {
    if (code == kResultOk || code == kResultCancelled) return;
    // The error dialog's init needs the item suite too.
    if (sDialogBasic == nullptr || sDialog == nullptr || sItem == nullptr) return;

    int32_t index = 1;
    char key[255];
    sDialogBasic->getIndexString(message->plugin, kErrorStrings, index, key, sizeof key);
    bool found = false;
    while (key[0] != '\0') {
        if (keyCode(key) == code) {
            found = true;
            break;
        }
        index += 2;
        sDialogBasic->getIndexString(message->plugin, kErrorStrings, index, key, sizeof key);
    }

    ErrorRecord record{};
    // Without a match the last pair ("<Others>") speaks: its message sits before the empty key.
    sDialogBasic->getIndexString(message->plugin, kErrorStrings, found ? index + 1 : index - 1, record.message,
                                 sizeof record.message);
    if (record.message[0] == '\0') return;

    auto upper = static_cast<uint32_t>(code) >> 16;
    if (upper == 0 || upper == 0xFFFF) {
        CodeToText(code, record.code);
    } else {
        auto bits = static_cast<uint32_t>(code);
        for (int i = 0; i < 4; ++i) record.code[i] = static_cast<char>((bits >> (24 - 8 * i)) & 0xFF);
        record.code[4] = '\0';
    }
    ShowErrorDialog(message, &record);
}

void ShowAboutDialog(KvMessage* message) {
    if (sDialog == nullptr) return;
    sDialog->modal(message->plugin, "About Dialog", kAboutDialog, 0, InitAboutDialog, nullptr);
}
