// The undo journal: each change keeps what its inverse needs; undo replays them newest first.
#include "document/document_impl.h"

namespace kelvo::doc {

namespace {
template <class... F>
struct Visitor : F... {
    using F::operator()...;
};
template <class... F>
Visitor(F...) -> Visitor<F...>;

void swapContent(Art& a, ArtContent& c) {
    std::swap(a.kind, c.kind);
    std::swap(a.segments, c.segments);
    std::swap(a.closed, c.closed);
    std::swap(a.style.strokeWidth, c.strokeWidth);
    std::swap(a.symbol, c.symbol);
    std::swap(a.placement, c.placement);
    std::swap(a.envelopeShape, c.envelopeShape);
}
}  // namespace

void Document::Impl::undoEntry(JournalEntry& e) {
    std::visit(Visitor{
                   [&](entry::Created& c) {
                       detach(c.id);
                       freeTree(c.id);
                   },
                   [&](entry::Disposed& c) {
                       attach(c.id, c.parent, c.index);
                       setLive(c.id, true);
                   },
                   [&](entry::Moved& c) {
                       detach(c.id);
                       attach(c.id, c.parent, c.index);
                   },
                   [&](entry::Spliced& c) {
                       auto& segs = arts[c.id]->segments;
                       segs.resize(c.oldCount);
                       std::copy(c.replaced.begin(), c.replaced.end(),
                                 segs.begin() + static_cast<std::ptrdiff_t>(c.index));
                   },
                   [&](entry::Content& c) { swapContent(*arts[c.id], *c.content); },
                   [&](entry::FlagSet& c) {
                       Art& a = *arts[c.id];
                       switch (c.flag) {
                       case entry::Flag::closed: a.closed = c.old; break;
                       case entry::Flag::guide: a.guide = c.old; break;
                       case entry::Flag::selected: a.selected = c.old; break;
                       case entry::Flag::locked: a.locked = c.old; break;
                       case entry::Flag::hidden: a.hidden = c.old; break;
                       }
                   },
                   [&](entry::Style& c) { arts[c.id]->style = c.old; },
                   [&](entry::Opacity& c) { arts[c.id]->opacity = c.old; },
                   [&](entry::Blend& c) { arts[c.id]->blendMode = c.old; },
                   [&](entry::Name& c) { arts[c.id]->name = std::move(c.old); },
                   [&](entry::Tag& c) {
                       auto& tags = arts[c.id]->tags;
                       if (c.old)
                           tags[c.name] = std::move(*c.old);
                       else
                           tags.erase(c.name);
                   },
                   [&](entry::WarpSet& c) { arts[c.id]->warp = c.old; },
                   [&](entry::LayerInserted& c) {
                       detach(c.id);
                       freeTree(c.id);
                       layerCounter = c.oldCounter;
                   },
                   [&](entry::CurrentLayer& c) { current = c.old; },
                   [&](entry::SymbolAdded& c) {
                       freeTree(symbols.back().definition);
                       symbols.pop_back();
                       symbolCounter = c.oldCounter;
                   },
               },
               e);
}

void Document::Impl::dropJournal() {
    // Disposed objects can no longer come back: release them.
    for (JournalEntry& e : journal)
        if (auto* d = std::get_if<entry::Disposed>(&e)) freeTree(d->id);
    journal.clear();
}

void Document::beginCommand() { impl_->commandOpen = true; }

void Document::commitCommand() {
    impl_->dropJournal();
    impl_->commandOpen = false;
}

bool Document::commandOpen() const { return impl_->commandOpen; }

std::size_t Document::journalSize() const { return impl_->journal.size(); }

void Document::undo() {
    Impl& d = *impl_;
    while (!d.journal.empty()) {
        d.undoEntry(d.journal.back());
        d.journal.pop_back();
    }
}

}  // namespace kelvo::doc
