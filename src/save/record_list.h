// The keyed lists the save builds its output sections in.
//
// A key names the source record an output record was copied from: the record's address inside the
// source's tables, which is unique to one record of one source for as long as the sources live.
// Keys are only ever compared for equality, never ordered, so they cannot make the output depend
// on where the sources happen to sit in memory.
#pragma once

#include <cstdint>
#include <optional>
#include <unordered_map>
#include <vector>

namespace kavrin {

using RecordKey = const void*;

// The first output record made from each key. Later records with the same key are not found: a
// lookup always answers with the copy made first.
class KeyIndex {
public:
    // A null key is never looked up, so it is not remembered.
    void remember(RecordKey key, uint32_t value) {
        if (key) first_.emplace(key, value);
    }
    std::optional<uint32_t> find(RecordKey key) const {
        auto found = first_.find(key);
        if (found == first_.end()) return std::nullopt;
        return found->second;
    }

private:
    std::unordered_map<RecordKey, uint32_t> first_;
};

// Output records of one type, each remembered under the key of the source record it copies.
template <class T>
struct RecordList {
    std::vector<T> records;
    KeyIndex index;

    uint32_t count() const { return static_cast<uint32_t>(records.size()); }

    // Appends the record and returns its index.
    uint32_t append(RecordKey key, const T& record) {
        uint32_t at = count();
        records.push_back(record);
        index.remember(key, at);
        return at;
    }

    // The index of the first record appended under `key`.
    std::optional<uint32_t> find(RecordKey key) const { return index.find(key); }
};

}  // namespace kavrin
