#include "suites/host.h"

#include <cmath>
#include <cstdlib>
#include <cstring>
#include <random>
#include <stdexcept>

#include "loader/loader.h"
#include "suites/suites.h"

namespace kelvo::host {

namespace {
Host* gCurrent = nullptr;

uint64_t entropySeed() {
    std::random_device device;
    return (static_cast<uint64_t>(device()) << 32) ^ device();
}
}  // namespace

float Random::draw() {
    state_ += 0x9E3779B97F4A7C15ULL;
    uint64_t z = state_;
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ULL;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBULL;
    z ^= z >> 31;
    return static_cast<float>(z >> 40) * 0x1.0p-24f;
}

doc::Point View::topLeft() const {
    return doc::Point{center.x - kWidth / 2.0f / zoom, center.y + kHeight / 2.0f / zoom};
}

doc::Point View::toArtwork(KvIntPoint pixel) const {
    doc::Point origin = topLeft();
    return doc::Point{origin.x + static_cast<float>(pixel.x) / zoom, origin.y - static_cast<float>(pixel.y) / zoom};
}

KvIntPoint View::toPixel(doc::Point point) const {
    doc::Point origin = topLeft();
    return KvIntPoint{static_cast<int32_t>(std::lround((point.x - origin.x) * zoom)),
                      static_cast<int32_t>(std::lround((origin.y - point.y) * zoom))};
}

doc::Rect View::bounds() const {
    doc::Point origin = topLeft();
    return doc::Rect{origin.x, origin.y, origin.x + kWidth / zoom, origin.y - kHeight / zoom};
}

KvResult toResult(doc::Status status) {
    switch (status) {
    case doc::Status::ok: return kResultOk;
    case doc::Status::badHandle: return kResultBadHandle;
    case doc::Status::badParameter: return kResultBadParameter;
    case doc::Status::locked: return kResultLayerLocked;
    case doc::Status::tooManyPoints: return kResultTooManyPoints;
    }
    return kResultFailure;
}

void copyText(const std::string& text, char* out, int32_t capacity) {
    if (out == nullptr || capacity <= 0) return;
    std::size_t length = std::min(text.size(), static_cast<std::size_t>(capacity - 1));
    std::memcpy(out, text.data(), length);
    out[length] = '\0';
}

Host::Host() : document_(std::make_unique<doc::Document>()), random_(entropySeed()) {
    if (gCurrent != nullptr) throw std::logic_error("only one host may exist at a time");
    gCurrent = this;
    toolkit_.viewPointOf = [this](double x, double y) {
        return view_.toPixel(doc::Point{static_cast<float>(x), static_cast<float>(y)});
    };
}

Host::~Host() {
    for (void* block : blocks_) std::free(block);
    for (auto& [handle, block] : handles_) std::free(block->data);
    gCurrent = nullptr;
}

Host& Host::current() {
    if (gCurrent == nullptr) throw std::logic_error("no host");
    return *gCurrent;
}

const KvBasicSuite* Host::basicSuite() const { return &kBasicSuite; }

void Host::setDocument(std::unique_ptr<doc::Document> document) {
    document_ = std::move(document);
    // The view opens at 100 % on the new page's centre.
    view_ = View{};
    view_.center = doc::Point{document_->width() / 2, document_->height() / 2};
}

KvResult Host::acquire(const char* name, int32_t version, const void** outSuite) {
    ++acquireCalls_;
    if (outSuite == nullptr) return kResultBadParameter;
    *outSuite = nullptr;
    if (name == nullptr || withheld_.count(name)) return kResultSuiteMissing;
    if (auto limit = limits_.find(name); limit != limits_.end() && acquisitions(name) >= limit->second)
        return kResultSuiteMissing;
    for (const PublishedSuite& suite : publishedSuites()) {
        if (suite.version == version && std::strcmp(suite.name, name) == 0) {
            *outSuite = suite.table;
            ++acquired_[name];
            return kResultOk;
        }
    }
    return kResultSuiteMissing;
}

KvResult Host::release(const char* name, int32_t version) {
    if (name == nullptr) return kResultBadParameter;
    auto found = acquired_.find(name);
    if (found == acquired_.end() || found->second == 0 || refused_.count(name)) return kResultNotAcquired;
    for (const PublishedSuite& suite : publishedSuites()) {
        if (suite.version == version && std::strcmp(suite.name, name) == 0) {
            --found->second;
            return kResultOk;
        }
    }
    return kResultNotAcquired;
}

int Host::acquisitions(const std::string& name) const {
    auto found = acquired_.find(name);
    return found == acquired_.end() ? 0 : found->second;
}

int Host::acquisitions() const {
    int total = 0;
    for (const auto& [name, count] : acquired_) total += count;
    return total;
}

void* Host::allocateBlock(int32_t size) {
    if (size < 0) return nullptr;
    void* block = std::calloc(1, static_cast<std::size_t>(size == 0 ? 1 : size));
    if (block == nullptr) throw std::bad_alloc();
    blocks_.insert(block);
    return block;
}

bool Host::freeBlock(void* block) {
    if (blocks_.erase(block) == 0) return false;
    std::free(block);
    return true;
}

KvMemHandle Host::newHandle(int32_t size) {
    if (size < 0) return nullptr;
    auto block = std::make_unique<HandleBlock>();
    block->data = std::calloc(1, static_cast<std::size_t>(size == 0 ? 1 : size));
    if (block->data == nullptr) throw std::bad_alloc();
    block->size = size;
    KvMemHandle handle = &block->data;
    handles_.emplace(handle, std::move(block));
    return handle;
}

bool Host::disposeHandle(KvMemHandle handle) {
    auto found = handles_.find(handle);
    if (found == handles_.end()) return false;
    std::free(found->second->data);
    handles_.erase(found);
    return true;
}

int32_t Host::handleSize(KvMemHandle handle) const {
    auto found = handles_.find(handle);
    return found == handles_.end() ? -1 : found->second->size;
}

Plugin* Host::plugin(KvPluginRef reference) const {
    auto* plugin = reinterpret_cast<Plugin*>(reference);
    return plugins_.count(plugin) ? plugin : nullptr;
}

FilterRecord* Host::filter(KvFilterHandle handle) const {
    for (const auto& filter : filters_)
        if (reinterpret_cast<KvFilterHandle>(filter.get()) == handle) return filter.get();
    return nullptr;
}

FilterRecord* Host::filterNamed(const std::string& name) const {
    for (const auto& filter : filters_)
        if (filter->name == name) return filter.get();
    return nullptr;
}

FilterRecord* Host::filterOfMenuItem(KvMenuItemHandle item) const {
    return filter(reinterpret_cast<KvFilterHandle>(item));
}

}  // namespace kelvo::host
