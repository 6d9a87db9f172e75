// Suites that do not touch the document: basic, blocks, access, memory, user, math, random,
// bezier, filter and menu.
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

#include "loader/loader.h"
#include "suites/host.h"
#include "suites/suites.h"

namespace kelvo::host {

namespace {

std::string fromCounted(const unsigned char* text) {
    return std::string(reinterpret_cast<const char*>(text + 1), text[0]);
}

}  // namespace

const KvBasicSuite kBasicSuite = {
    [](const char* name, int32_t version, const void** outSuite) {
        return guarded([&] { return Host::current().acquire(name, version, outSuite); });
    },
    [](const char* name, int32_t version) { return guarded([&] { return Host::current().release(name, version); }); },
    [](const char* a, const char* b) -> int32_t { return a != nullptr && b != nullptr && std::strcmp(a, b) == 0; },
};

const KvBlocksSuite kBlocksSuite = {
    [](int32_t size, const char*, void** outBlock) {
        return guarded([&] {
            if (outBlock == nullptr) return kResultBadParameter;
            *outBlock = Host::current().allocateBlock(size);
            return *outBlock != nullptr ? kResultOk : kResultBadParameter;
        });
    },
    [](void* block) { return guarded([&] { return Host::current().freeBlock(block) ? kResultOk : kResultBadHandle; }); },
};

const KvAccessSuite kAccessSuite = {
    [](KvPluginRef reference, char* outPath, int32_t capacity) {
        return guarded([&] {
            Plugin* plugin = Host::current().plugin(reference);
            if (plugin == nullptr) return kResultBadHandle;
            copyText(plugin->libraryPath.string(), outPath, capacity);
            return kResultOk;
        });
    },
};

const KvMemorySuite kMemorySuite = {
    [](int32_t size, KvMemHandle* outHandle) {
        return guarded([&] {
            if (outHandle == nullptr) return kResultBadParameter;
            *outHandle = Host::current().newHandle(size);
            return *outHandle != nullptr ? kResultOk : kResultBadParameter;
        });
    },
    [](KvMemHandle handle) {
        return guarded([&] { return Host::current().disposeHandle(handle) ? kResultOk : kResultBadHandle; });
    },
    [](KvMemHandle handle, int32_t* outSize) {
        return guarded([&] {
            if (outSize == nullptr) return kResultBadParameter;
            *outSize = Host::current().handleSize(handle);
            if (*outSize >= 0) return kResultOk;
            *outSize = 0;
            return kResultBadHandle;
        });
    },
};

const KvUserSuite kUserSuite = {
    [](float value, int32_t decimals, unsigned char* outText) {
        return guarded([&] {
            if (outText == nullptr) return kResultBadParameter;
            outText[0] = 0;
            if (!std::isfinite(value) || decimals < 0 || decimals > 6) return kResultBadParameter;
            char text[320];
            int length = std::snprintf(text, sizeof text, "%.*f", static_cast<int>(decimals), static_cast<double>(value));
            if (length < 0 || length > 255) return kResultBadParameter;
            if (std::strcmp(text, "-0") == 0) std::strcpy(text, "0"), length = 1;
            outText[0] = static_cast<unsigned char>(length);
            std::memcpy(outText + 1, text, static_cast<std::size_t>(length));
            return kResultOk;
        });
    },
    [](const unsigned char* text, float* outValue) {
        return guarded([&] {
            if (outValue == nullptr) return kResultBadParameter;
            *outValue = 0;
            if (text == nullptr) return kResultBadParameter;
            std::string value = fromCounted(text);
            char* end = nullptr;
            double number = std::strtod(value.c_str(), &end);
            while (end != nullptr && *end == ' ') ++end;
            if (value.empty() || end == value.c_str() || *end != '\0' || !std::isfinite(number) ||
                std::fabs(number) > 3.4e38)
                return kResultBadParameter;
            *outValue = static_cast<float>(number);
            return kResultOk;
        });
    },
};

namespace {

void concat(KvRealMatrix* m, const KvRealMatrix& next) {
    KvRealMatrix r;
    r.a = m->a * next.a + m->b * next.c;
    r.b = m->a * next.b + m->b * next.d;
    r.c = m->c * next.a + m->d * next.c;
    r.d = m->c * next.b + m->d * next.d;
    r.tx = m->tx * next.a + m->ty * next.c + next.tx;
    r.ty = m->tx * next.b + m->ty * next.d + next.ty;
    *m = r;
}

}  // namespace

const KvMathSuite kMathSuite = {
    [](float a, float b) { return b == 0 ? 0.0f : a / b; },
    [](float radians) { return std::sin(radians); },
    [](float radians) { return std::cos(radians); },
    [](float degrees) { return degrees * static_cast<float>(M_PI / 180.0); },
    [](float radians) { return radians * static_cast<float>(180.0 / M_PI); },
    [](const KvRealPoint* p1, const KvRealPoint* p2) {
        return p1 && p2 ? std::atan2(p2->y - p1->y, p2->x - p1->x) : 0.0f;
    },
    [](const KvRealPoint* p1, const KvRealPoint* p2) {
        return p1 && p2 ? std::hypot(p2->x - p1->x, p2->y - p1->y) : 0.0f;
    },
    [](const KvRealPoint* first, const KvRealPoint* second, float t, KvRealPoint* out) {
        if (!first || !second || !out) return;
        *out = KvRealPoint{second->x + t * (first->x - second->x), second->y + t * (first->y - second->y)};
    },
    [](KvRealMatrix* m) {
        if (m) *m = KvRealMatrix{1, 0, 0, 1, 0, 0};
    },
    [](KvRealMatrix* m, float tx, float ty) {
        if (m) *m = KvRealMatrix{1, 0, 0, 1, tx, ty};
    },
    [](KvRealMatrix* m, float tx, float ty) {
        if (m) concat(m, KvRealMatrix{1, 0, 0, 1, tx, ty});
    },
    [](KvRealMatrix* m, float radians) {
        if (m) concat(m, KvRealMatrix{std::cos(radians), std::sin(radians), -std::sin(radians), std::cos(radians), 0, 0});
    },
    [](KvRealMatrix* m, float sx, float sy) {
        if (m) concat(m, KvRealMatrix{sx, 0, 0, sy, 0, 0});
    },
    [](const KvRealMatrix* m, const KvRealPoint* in, KvRealPoint* out) {
        if (!m || !in || !out) return;
        KvRealPoint p = *in;
        *out = KvRealPoint{m->a * p.x + m->c * p.y + m->tx, m->b * p.x + m->d * p.y + m->ty};
    },
};

const KvRandomSuite kRandomSuite = {
    []() {
        try {
            return Host::current().random().draw();
        } catch (...) {
            return 0.0f;
        }
    },
};

namespace {
KvRealPoint bezierAt(const KvBezier& b, float t) {
    float u = 1 - t;
    float a = u * u * u, c1 = 3 * u * u * t, c2 = 3 * u * t * t, d = t * t * t;
    return KvRealPoint{a * b.p0.x + c1 * b.p1.x + c2 * b.p2.x + d * b.p3.x,
                       a * b.p0.y + c1 * b.p1.y + c2 * b.p2.y + d * b.p3.y};
}
}  // namespace

const KvBezierSuite kBezierSuite = {
    [](const KvBezier* curve, float t, KvRealPoint* out) {
        if (curve && out) *out = bezierAt(*curve, t);
    },
    [](const KvBezier* curve) {
        if (!curve) return 0.0f;
        double length = 0;
        KvRealPoint last = curve->p0;
        for (int i = 1; i <= 256; ++i) {
            KvRealPoint next = bezierAt(*curve, static_cast<float>(i) / 256);
            length += std::hypot(next.x - last.x, next.y - last.y);
            last = next;
        }
        return static_cast<float>(length);
    },
};

const KvFilterSuite kFilterSuite = {
    [](KvPluginRef reference, const char* name, const KvFilterTitle* title, int32_t, KvFilterHandle* outFilter) {
        return guarded([&] {
            if (outFilter != nullptr) *outFilter = nullptr;
            Host& host = Host::current();
            Plugin* plugin = host.plugin(reference);
            if (plugin == nullptr) return kResultBadHandle;
            if (name == nullptr || name[0] == '\0' || title == nullptr || title->category == nullptr ||
                title->title == nullptr || outFilter == nullptr)
                return kResultBadParameter;
            if (FilterRecord* existing = host.filterNamed(name); existing != nullptr && existing->plugin != plugin)
                return kResultBadParameter;
            FilterRecord* record = host.filterNamed(name);
            if (record == nullptr) {
                host.filters().push_back(std::make_unique<FilterRecord>());
                record = host.filters().back().get();
            }
            // Registering again (after a restart) keeps the parameter block.
            record->plugin = plugin;
            record->name = name;
            record->category = fromCounted(title->category);
            record->title = fromCounted(title->title);
            *outFilter = reinterpret_cast<KvFilterHandle>(record);
            return kResultOk;
        });
    },
    [](KvFilterHandle filter, KvMenuItemHandle* outItem) {
        return guarded([&] {
            if (outItem == nullptr) return kResultBadParameter;
            *outItem = nullptr;
            if (Host::current().filter(filter) == nullptr) return kResultBadHandle;
            *outItem = reinterpret_cast<KvMenuItemHandle>(filter);
            return kResultOk;
        });
    },
    [](KvFilterHandle filter, char* outName, int32_t capacity) {
        return guarded([&] {
            FilterRecord* record = Host::current().filter(filter);
            if (record == nullptr) return kResultBadHandle;
            copyText(record->name, outName, capacity);
            return kResultOk;
        });
    },
};

const KvMenuSuite kMenuSuite = {
    [](KvMenuItemHandle item, int32_t enable, int32_t needsArt, int32_t forbidsArt, int32_t needsSelected,
       int32_t forbidsSelected, int32_t needsConditions, int32_t forbidsConditions) {
        return guarded([&] {
            FilterRecord* record = Host::current().filterOfMenuItem(item);
            if (record == nullptr) return kResultBadHandle;
            record->updateRule = {enable, needsArt, forbidsArt, needsSelected, forbidsSelected, needsConditions,
                                  forbidsConditions};
            return kResultOk;
        });
    },
    [](KvMenuItemHandle item, char* outTitle, int32_t capacity) {
        return guarded([&] {
            FilterRecord* record = Host::current().filterOfMenuItem(item);
            if (record == nullptr) return kResultBadHandle;
            copyText(record->title, outTitle, capacity);
            return kResultOk;
        });
    },
};

}  // namespace kelvo::host
