#include "formats/sheetaxis.h"

#include <algorithm>

namespace {

constexpr int kMinPeriod = 3;
constexpr int kMaxCellSide = 255;

// Where cells begin relative to a period's lines: cells start at residue
// Start, and their ink runs from residue InkFrom to InkTo counted from Start.
struct TPhase {
    int Period = 0, Start = 0, InkFrom = 0, InkTo = 0;
};

std::size_t At(int i) {
    return static_cast<std::size_t>(i);
}

// A period fits when one residue is crossed clearly less than most (not at
// all where most are not crossed either: gaps) and the cells it makes
// between the first and last ink are mostly inked (a period that halves the
// cells leaves every other one blank). Cells start where a blank band ends;
// without one, at any residue crossed that little (phases, best first).
bool FitPeriod(const TInkProfile& p, int first, int last, int period, std::vector<TPhase>& phases) {
    std::vector<long> cross(At(period), 0), ink(At(period), 0);
    for (int x = first; x <= last; ++x) {
        ink[At(x % period)] += p.Ink[At(x)];
        if (x > first) cross[At(x % period)] += p.Cross[At(x)];
    }
    std::vector<long> sorted = cross;
    std::nth_element(sorted.begin(), sorted.begin() + period / 2, sorted.end());
    const long median = sorted[At(period / 2)];
    auto cut = [&](int r) { return median == 0 ? cross[At(r)] == 0 : 4 * cross[At(r)] <= median; };
    // Cells start best where a blank band ends and ink begins; without a
    // blank band, where the fewest strokes cross.
    int start = -1;
    for (int r = 0; r < period; ++r) {
        if (!cut(r)) continue;
        const bool bandEnds = ink[At((r + period - 1) % period)] == 0 && ink[At(r)] > 0;
        const bool startEnds =
            start >= 0 && ink[At((start + period - 1) % period)] == 0 && ink[At(start)] > 0;
        if (start < 0 || (bandEnds && !startEnds) ||
            (bandEnds == startEnds && cross[At(r)] < cross[At(start)]))
            start = r;
    }
    if (start < 0) return false;
    auto phaseAt = [&](int from) {
        TPhase phase{period, from, period, -1};
        for (int k = 0; k < period; ++k)
            if (ink[At((from + k) % period)] > 0) {
                phase.InkFrom = std::min(phase.InkFrom, k);
                phase.InkTo = std::max(phase.InkTo, k);
            }
        return phase;
    };
    phases.assign(1, phaseAt(start));
    // Touching cells: also those that begin with the first ink (at the
    // picture's edge where nothing comes before them).
    if (phases[0].InkTo - phases[0].InkFrom + 1 == period)
        for (int r = 0; r < period; ++r)
            if (r != start && (cut(r) || r == first % period)) phases.push_back(phaseAt(r));
    // Cells from the one holding the first ink to the one holding the last.
    auto cellOf = [&](int x) { return (x - start + period) / period; };
    const int cells = cellOf(last) - cellOf(first) + 1;
    if (cells < 2) return false;
    std::vector<bool> inked(At(cells), false);
    for (int x = first; x <= last; ++x)
        if (p.Ink[At(x)] > 0) inked[At(cellOf(x) - cellOf(first))] = true;
    const long blank = std::count(inked.begin(), inked.end(), false);
    if (4 * blank > cells) return false;
    // Every other (or third) cell far lighter than the rest: the period
    // splits the real cells into parts.
    for (int k = 2; k <= 3 && k <= cells; ++k) {
        std::vector<long> group(At(k), 0);
        for (int x = first; x <= last; ++x)
            group[At((cellOf(x) - cellOf(first)) % k)] += p.Ink[At(x)];
        const auto [low, high] = std::minmax_element(group.begin(), group.end());
        if (3 * *low < *high) return false;
    }
    return true;
}

// Every margin, cell and gap of the phase, with the counts each closing
// gives for the picture's length.
void AddLayouts(const TPhase& ph, int first, int last, int length, std::vector<TAxisLayout>& out) {
    const int inkLength = ph.InkTo - ph.InkFrom + 1;
    for (int gap = 0; gap <= ph.Period - inkLength; ++gap) {
        const int cell = ph.Period - gap;
        if (cell > kMaxCellSide) continue;
        // The cell may begin up to its blank room before the ink.
        for (int s = ph.InkTo - cell + 1; s <= ph.InkFrom; ++s) {
            const int residue = ((ph.Start + s) % ph.Period + ph.Period) % ph.Period;
            // The first cell holding ink, or blank cells before it.
            const int inkCell = first - ((first - residue) % ph.Period + ph.Period) % ph.Period;
            for (int margin = inkCell; margin >= 0; margin -= ph.Period) {
                const int inked = (last - margin) / ph.Period + 1;
                TAxisLayout layout{
                    margin, cell, gap, 0, 0, s == ph.InkFrom, (inkCell - margin) / ph.Period, 0};
                const struct {
                    unsigned Bit;
                    int Rest; // length left for the cells and gaps between them
                } closings[] = {{kCloseMargin, length - 2 * margin + gap},
                                {kCloseGapMargin, length - 2 * margin},
                                {kCloseEdge, length - margin + gap},
                                {kCloseGap, length - margin}};
                for (const auto& c : closings) {
                    if (c.Rest <= 0 || c.Rest % ph.Period != 0 || c.Rest / ph.Period < inked)
                        continue;
                    TAxisLayout l = layout;
                    l.Count = c.Rest / ph.Period;
                    l.BlankAfter = l.Count - inked;
                    l.Closings = c.Bit;
                    auto same = std::find_if(out.begin(), out.end(), [&](const TAxisLayout& o) {
                        return o.Margin == l.Margin && o.Cell == l.Cell && o.Gap == l.Gap &&
                               o.Count == l.Count;
                    });
                    if (same == out.end())
                        out.push_back(l);
                    else
                        same->Closings |= l.Closings;
                }
            }
        }
    }
}

} // namespace

TAxisInk ReadAxis(const TInkProfile& profile) {
    TAxisInk axis;
    const int length = static_cast<int>(profile.Ink.size());
    for (int x = 0; x < length; ++x)
        if (profile.Ink[At(x)] > 0) {
            if (axis.First < 0) axis.First = x;
            axis.Last = x;
        }
    if (axis.First < 0) return axis;
    // The shortest period whose cells fit; cells with wide blank bands fit
    // periods a little short of theirs too (the bands absorb the drift over
    // a few cells), so up to twice that, the period with the largest share
    // of lines blank in every cell wins (the shortest of equals).
    std::vector<TPhase> phases;
    long blank = -1;
    int shortest = 0;
    for (int period = kMinPeriod; period <= axis.Last - axis.First; ++period) {
        if (shortest > 0 && period >= 2 * shortest) break;
        if (!FitPeriod(profile, axis.First, axis.Last, period, phases)) continue;
        if (shortest == 0) shortest = period;
        std::vector<bool> inked(At(period), false);
        for (int x = axis.First; x <= axis.Last; ++x)
            if (profile.Ink[At(x)] > 0) inked[At(x % period)] = true;
        const long b = std::count(inked.begin(), inked.end(), false);
        if (blank < 0 || b * axis.Period > blank * period) {
            axis.Period = period;
            axis.Start = (phases[0].Start + phases[0].InkFrom) % period;
            axis.InkLength = phases[0].InkTo - phases[0].InkFrom + 1;
            blank = b;
        }
    }
    if (axis.Period > 0) {
        FitPeriod(profile, axis.First, axis.Last, axis.Period, phases);
        for (const TPhase& phase : phases)
            AddLayouts(phase, axis.First, axis.Last, length, axis.Layouts);
    }
    return axis;
}

TInkProfile InkProfile(const std::vector<bool>& ink, int w, int h, bool columns) {
    const int along = columns ? w : h, across = columns ? h : w;
    TInkProfile p;
    p.Ink.assign(At(along), 0);
    p.Cross.assign(At(along), 0);
    auto at = [&](int a, int b) {
        return ink[columns ? At(b) * At(w) + At(a) : At(a) * At(w) + At(b)];
    };
    for (int a = 0; a < along; ++a)
        for (int b = 0; b < across; ++b) {
            if (!at(a, b)) continue;
            ++p.Ink[At(a)];
            if (a > 0 && at(a - 1, b)) ++p.Cross[At(a)];
        }
    return p;
}
