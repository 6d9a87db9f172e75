// The host the plug-ins talk to: the suites it publishes by name and version, and the state
// behind them (document, view, toolkit, random draws, memory, registered filters).
//
// The suites are C tables of plain functions; they reach their host through Host::current(),
// the one Host alive in the process. Every suite function validates its arguments and turns
// any exception into a result code.
#pragma once

#include <array>
#include <cstdint>
#include <map>
#include <memory>
#include <set>
#include <string>
#include <unordered_map>
#include <vector>

#include "document/document.h"
#include "kelvo/sdk/sdk.h"
#include "toolkit/toolkit.h"

namespace kelvo::host {

struct Plugin;  // a loaded plug-in library (loader.h)

// A filter command a plug-in registered.
struct FilterRecord {
    Plugin* plugin = nullptr;
    std::string name, category, title;
    std::array<int32_t, 7> updateRule{};
    KvMemHandle parameters = nullptr;  // the plug-in's parameter block, kept for as long as the host runs
};

// SplitMix64: reproducible with a seed, each draw a float (z >> 40) · 2^-24 in [0, 1).
class Random {
public:
    explicit Random(uint64_t seed) : state_(seed) {}
    float draw();

private:
    uint64_t state_;
};

// Document view 0: 1000 × 800 pixels, zoom 1 = 100 %, centred on an artwork point.
struct View {
    static constexpr int32_t kWidth = 1000, kHeight = 800;
    float zoom = 1;
    doc::Point center{306, 396};
    doc::Point topLeft() const;
    doc::Point toArtwork(KvIntPoint pixel) const;
    KvIntPoint toPixel(doc::Point point) const;
    doc::Rect bounds() const;
};

class Host {
public:
    Host();
    ~Host();
    Host(const Host&) = delete;
    Host& operator=(const Host&) = delete;

    // The live host; the suites use it. Exactly one Host may exist at a time.
    static Host& current();

    doc::Document& document() { return *document_; }
    void setDocument(std::unique_ptr<doc::Document> document);
    View& view() { return view_; }
    toolkit::Toolkit& toolkit() { return toolkit_; }
    Random& random() { return random_; }
    void seed(uint64_t seed) { random_ = Random(seed); }

    // ---- Suites
    const KvBasicSuite* basicSuite() const;
    KvResult acquire(const char* name, int32_t version, const void** outSuite);
    KvResult release(const char* name, int32_t version);
    // Testing and diagnosis: make acquisitions or releases of a suite fail.
    void withholdSuite(const std::string& name) { withheld_.insert(name); }
    void refuseRelease(const std::string& name) { refused_.insert(name); }
    // At most `count` outstanding acquisitions of the suite; the next one fails.
    void limitAcquisitions(const std::string& name, int count) { limits_[name] = count; }
    void clearFaults() {
        withheld_.clear();
        refused_.clear();
        limits_.clear();
    }
    // Outstanding acquisitions of a suite, and of all suites.
    int acquisitions(const std::string& name) const;
    int acquisitions() const;
    int acquireCalls() const { return acquireCalls_; }

    // ---- Host memory (blocks suite and memory handles)
    void* allocateBlock(int32_t size);
    bool freeBlock(void* block);
    KvMemHandle newHandle(int32_t size);
    bool disposeHandle(KvMemHandle handle);
    int32_t handleSize(KvMemHandle handle) const;  // -1 for a handle this host did not make
    std::size_t liveBlocks() const { return blocks_.size(); }

    // ---- Plug-ins and their filters
    void addPlugin(Plugin* plugin) { plugins_.insert(plugin); }
    void removePlugin(Plugin* plugin) { plugins_.erase(plugin); }
    Plugin* plugin(KvPluginRef reference) const;
    std::vector<std::unique_ptr<FilterRecord>>& filters() { return filters_; }
    FilterRecord* filter(KvFilterHandle handle) const;
    FilterRecord* filterNamed(const std::string& name) const;
    FilterRecord* filterOfMenuItem(KvMenuItemHandle item) const;

    // ---- Handles to document objects: art ids, layers, swatches, styles and symbols.
    static KvArtHandle artHandle(doc::ArtId id) { return reinterpret_cast<KvArtHandle>(static_cast<uintptr_t>(id)); }
    static doc::ArtId artId(KvArtHandle handle) { return static_cast<doc::ArtId>(reinterpret_cast<uintptr_t>(handle)); }

    int redrawCount() const { return redraws_; }
    void noteRedraw() { ++redraws_; }

private:
    std::unique_ptr<doc::Document> document_;
    View view_;
    toolkit::Toolkit toolkit_;
    Random random_;
    std::set<std::string> withheld_, refused_;
    std::map<std::string, int> acquired_, limits_;
    int acquireCalls_ = 0;
    std::set<void*> blocks_;
    struct HandleBlock {
        void* data;
        int32_t size;
    };
    std::unordered_map<void**, std::unique_ptr<HandleBlock>> handles_;
    std::set<Plugin*> plugins_;
    std::vector<std::unique_ptr<FilterRecord>> filters_;
    int redraws_ = 0;
};

// The suite tables, by name and version (suite_registry.cpp).
struct PublishedSuite {
    const char* name;
    int32_t version;
    const void* table;
};
const std::vector<PublishedSuite>& publishedSuites();

// Converts any exception escaping a suite function into a result code.
template <class F>
KvResult guarded(F&& body) noexcept {
    try {
        return body();
    } catch (const std::bad_alloc&) {
        return kResultOutOfMemory;
    } catch (...) {
        return kResultFailure;
    }
}

KvResult toResult(doc::Status status);

// Copies text into a caller's buffer of `capacity` bytes, truncated and NUL-terminated.
void copyText(const std::string& text, char* out, int32_t capacity);

}  // namespace kelvo::host
