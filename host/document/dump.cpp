// A canonical text form of the whole document.
#include "document/document_impl.h"

#include <cstdio>

namespace kelvo::doc {

namespace {
class Writer {
public:
    std::string text;
    Writer& operator<<(const std::string& s) {
        text += s;
        return *this;
    }
    Writer& operator<<(const char* s) {
        text += s;
        return *this;
    }
    Writer& operator<<(double v) {  // exact: hexadecimal floating point
        char buf[64];
        std::snprintf(buf, sizeof buf, "%a", v);
        text += buf;
        return *this;
    }
    Writer& operator<<(float v) { return *this << static_cast<double>(v); }
    Writer& operator<<(int v) { return *this << std::to_string(v); }
    Writer& operator<<(ArtId v) { return *this << std::to_string(v); }
    Writer& operator<<(bool v) { return *this << (v ? "1" : "0"); }
    Writer& operator<<(Point p) { return *this << "(" << p.x << "," << p.y << ")"; }
    Writer& operator<<(const Colour& c) {
        *this << "[" << c.kind << ":" << c.channel[0] << "," << c.channel[1] << "," << c.channel[2] << ","
              << c.channel[3] << "@" << c.reference << "]";
        return *this;
    }
    Writer& operator<<(const PathStyle& s) {
        return *this << "style " << s.fillPaint << s.strokePaint << " " << s.fill << " " << s.stroke << " w"
                     << s.strokeWidth << " eo" << s.evenOdd << " cap" << s.lineCap << " join" << s.lineJoin
                     << " miter" << s.miterLimit;
    }
    Writer& operator<<(const std::vector<Segment>& segs) {
        for (const Segment& s : segs) *this << " {" << s.anchor << s.in << s.out << s.corner << "}";
        return *this;
    }
    Writer& operator<<(const Matrix& m) {
        return *this << "[" << m.a << "," << m.b << "," << m.c << "," << m.d << "," << m.tx << "," << m.ty << "]";
    }
};

void dumpArt(const Document& doc, Writer& w, ArtId id, int depth) {
    const Art& a = *doc.find(id);
    w << std::string(static_cast<std::size_t>(depth) * 2, ' ') << "art " << a.id << " kind "
      << static_cast<int>(a.kind) << " parent " << a.parent << " children";
    for (ArtId c : a.children) w << " " << c;
    w << "\n  closed " << a.closed << " guide " << a.guide << " sel " << a.selected << " lock " << a.locked
      << " hide " << a.hidden << " opacity " << a.opacity << " blend " << a.blendMode << " name \"" << a.name
      << "\"\n  " << a.style << "\n  tags";
    for (const auto& [k, v] : a.tags) w << " " << k << "=" << v;
    w << "\n  symbol " << a.symbol << " placement " << a.placement << "\n  segments" << a.segments
      << "\n  shape" << a.envelopeShape << "\n  warp ";
    if (a.warp)
        w << a.warp->style << " " << a.warp->bend << " " << a.warp->horizontal << " " << a.warp->vertical << " "
          << a.warp->horizontalAxis;
    w << "\n";
    for (ArtId c : a.children) dumpArt(doc, w, c, depth + 1);
}
}  // namespace

std::string Document::debugDump() const {
    const Impl& d = *impl_;
    Writer w;
    w << "page " << d.width << " " << d.height << " model " << d.colourModel << "\n";
    w << "current " << d.currentStyle << "\n";
    w << "counters " << d.layerCounter << " " << d.symbolCounter << "\n";
    for (const Swatch& s : d.swatches) w << "swatch \"" << s.name << "\" " << s.colour << "\n";
    for (const GraphicStyle& g : d.graphicStyles) w << "graphic \"" << g.name << "\" " << g.style << " " << g.opacity << "\n";
    for (const PaintServer& p : d.paintServers) w << "server \"" << p.id << "\" " << p.fallback << " " << p.svg << "\n";
    for (const Symbol& s : d.symbols) {
        w << "symbol \"" << s.name << "\" " << s.definition << "\n";
        dumpArt(*this, w, s.definition, 1);
    }
    w << "current layer " << d.current << "\n";
    for (LayerId l : d.layers) dumpArt(*this, w, l, 0);
    return std::move(w.text);
}

}  // namespace kelvo::doc
