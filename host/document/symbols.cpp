// Symbols: definitions copied from art, the art turned into an instance.
#include "document/document_impl.h"

namespace kelvo::doc {

Status Document::newSymbolFromArt(ArtId art, int* outSymbol) {
    if (outSymbol) *outSymbol = -1;
    Impl& d = *impl_;
    Art* a = d.get(art);
    if (!a) return Status::badHandle;
    if (a->kind == ArtKind::layer || d.layerOf(art) == 0) return Status::badParameter;
    if (d.get(a->parent)->kind == ArtKind::compound) return Status::badParameter;  // paths only there
    const Art* layer = d.get(d.layerOf(art));
    if (layer->locked || layer->hidden) return Status::locked;

    // The definition: a detached copy, not in any layer.
    ArtId definition = d.copyTree(art, 0);
    d.arts[definition]->selected = false;
    int oldCounter = d.symbolCounter;
    d.symbols.push_back(Symbol{"Symbol " + std::to_string(++d.symbolCounter), definition});
    d.record(entry::SymbolAdded{oldCounter});

    // The art becomes the instance: its children go (kept for undo), its geometry is replaced.
    a = d.get(art);
    while (!a->children.empty()) d.disposeJournaled(a->children.front());
    if (a->warp) {
        d.record(entry::WarpSet{art, a->warp});
        a->warp.reset();
    }
    auto content = std::make_unique<ArtContent>();
    content->kind = ArtKind::symbolInstance;
    content->closed = false;
    content->strokeWidth = a->style.strokeWidth;
    content->symbol = static_cast<int>(d.symbols.size() - 1);
    content->placement = Matrix{};
    std::swap(a->kind, content->kind);
    std::swap(a->segments, content->segments);
    std::swap(a->closed, content->closed);
    std::swap(a->symbol, content->symbol);
    std::swap(a->placement, content->placement);
    std::swap(a->envelopeShape, content->envelopeShape);
    if (d.journaling()) d.record(entry::Content{art, std::move(content)});
    if (outSymbol) *outSymbol = static_cast<int>(d.symbols.size() - 1);
    return Status::ok;
}

}  // namespace kelvo::doc
