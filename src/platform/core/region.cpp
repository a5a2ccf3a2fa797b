#include "platform/core/region.h"

#include <algorithm>

#include "platform/core/rects.h"

namespace win::core {

namespace {

struct Span {
    int left, right;
    bool operator==(const Span&) const = default;
};

// The band edges of the region and of r: between two neighbours nothing
// starts or ends, so each slice has one set of spans.
std::vector<int> Edges(const std::vector<RECT>& region, const RECT& r) {
    std::vector<int> ys{r.top, r.bottom};
    for (const RECT& piece : region) {
        ys.push_back(piece.top);
        ys.push_back(piece.bottom);
    }
    std::sort(ys.begin(), ys.end());
    ys.erase(std::unique(ys.begin(), ys.end()), ys.end());
    return ys;
}

// The spans covering the slice top..bottom, overlapping and touching ones joined.
void SpansOfSlice(const std::vector<RECT>& region, const RECT& r, int top, int bottom, std::vector<Span>& spans) {
    spans.clear();
    for (const RECT& piece : region)
        if (piece.top <= top && piece.bottom >= bottom) spans.push_back({piece.left, piece.right});
    if (r.top <= top && r.bottom >= bottom) spans.push_back({r.left, r.right});
    std::sort(spans.begin(), spans.end(), [](const Span& a, const Span& b) { return a.left < b.left; });
    std::size_t kept = 0;
    for (const Span& s : spans) {
        if (kept > 0 && s.left <= spans[kept - 1].right) {
            spans[kept - 1].right = std::max(spans[kept - 1].right, s.right);
        } else {
            spans[kept++] = s;
        }
    }
    spans.resize(kept);
}

}  // namespace

void AddToRegion(std::vector<RECT>& region, const RECT& r) {
    if (IsEmpty(r)) return;
    const std::vector<int> ys = Edges(region, r);
    std::vector<RECT> out;
    std::vector<Span> spans, bandSpans;
    std::size_t bandStart = 0;
    for (std::size_t i = 0; i + 1 < ys.size(); ++i) {
        const int top = ys[i], bottom = ys[i + 1];
        SpansOfSlice(region, r, top, bottom, spans);
        if (spans.empty()) continue;
        const bool continuesBand = bandStart < out.size() && out[bandStart].bottom == top && spans == bandSpans;
        if (continuesBand) {
            for (std::size_t k = bandStart; k < out.size(); ++k) out[k].bottom = bottom;
            continue;
        }
        bandStart = out.size();
        bandSpans = spans;
        for (const Span& s : spans) out.push_back(RECT{s.left, top, s.right, bottom});
    }
    region = std::move(out);
}

RECT RegionBounds(const std::vector<RECT>& region) {
    RECT b{0, 0, 0, 0};
    for (const auto& r : region) b = Union(b, r);
    return b;
}

}  // namespace win::core
