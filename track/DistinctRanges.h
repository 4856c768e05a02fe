#pragma once
// A table of offsets and sizes (sample tables, block indexes, chunk indexes)
// may list the same bytes many times over: a file of a few megabytes would
// then be parsed gigabytes' worth. A reader keeps each byte of a file for one
// entry at most, so a track never costs more than the file's size.

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <numeric>
#include <vector>

// Drops the entries whose bytes [start, start + size) overlap those of an
// entry kept already: of overlapping entries the one starting first stays
// (the one listed first, when they start alike). Empty entries stay; the
// order of those kept is theirs in the table. One pass when the table runs
// forward without overlaps, as every camera writes it.
template <class Entry, class Start, class Size>
void DropOverlapping(std::vector<Entry>& entries, Start start, Size size)
{
    std::uint64_t reached = 0;
    bool forward = true;
    for (const Entry& e : entries) {
        if (size(e) == 0)
            continue;
        forward = forward && start(e) >= reached;
        reached = std::max<std::uint64_t>(reached, start(e) + size(e));
    }
    if (forward)
        return;
    std::vector<std::size_t> order(entries.size());
    std::iota(order.begin(), order.end(), 0);
    std::stable_sort(order.begin(), order.end(),
                     [&](std::size_t a, std::size_t b) { return start(entries[a]) < start(entries[b]); });
    std::vector<bool> keep(entries.size(), true);
    reached = 0;
    for (std::size_t i : order) {
        if (size(entries[i]) == 0)
            continue;
        if (start(entries[i]) < reached)
            keep[i] = false;
        else
            reached = start(entries[i]) + size(entries[i]);
    }
    std::size_t kept = 0;
    for (std::size_t i = 0; i < entries.size(); ++i) {
        if (keep[i])
            entries[kept++] = entries[i];
    }
    entries.resize(kept);
}
