#pragma once

#include "engine/clsFuelModel.h"

#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>
#include <unordered_map>
#include <vector>

// The ordered, keyed collection of fuel models. Positions count from 1; members are shared,
// so Item returns the stored model itself (the engine works on a clone).
// Add and AddSorted with a key already present, and Item or Remove with a missing key or a
// position outside 1..Count, throw std::out_of_range or std::invalid_argument: callers check first.
class clsFuelModels {
public:
    using Member = std::shared_ptr<clsFuelModel>;

    void Add(Member model, const std::string& key = "");
    void AddSorted(Member model, const std::string& key);

    clsFuelModel& Item(std::size_t position) const;
    clsFuelModel& Item(const std::string& key) const;
    Member Shared(std::size_t position) const;
    const std::string& KeyAt(std::size_t position) const;

    std::size_t Count() const { return members.size(); }
    void Remove(std::size_t position);
    void Remove(const std::string& key);
    bool MemberIsPresent(const std::string& key) const;
    // The member whose key is the decimal text of the number, or none: Item and MemberIsPresent
    // with that text, without building it (the engine looks models up once per calculation).
    clsFuelModel* Find(int32_t number) const;

    // Iteration over the members in order (the enumerator).
    std::vector<Member>::const_iterator begin() const { return members.begin(); }
    std::vector<Member>::const_iterator end() const { return members.end(); }

private:
    void InsertAt(std::size_t index, Member model, const std::string& key);
    std::size_t IndexOf(std::size_t position) const;
    std::size_t IndexOfKey(const std::string& key) const;

    std::vector<Member> members;
    std::vector<std::string> keys;
    std::unordered_map<std::string, Member> byKey;
    std::unordered_map<int32_t, clsFuelModel*> byNumber;  // the members whose key is a number's text
};
