#include "engine/clsFuelModels.h"

#include <algorithm>
#include <charconv>
#include <optional>
#include <stdexcept>

namespace {

// The number whose decimal text the key is, exactly ("10", "-3"; not "010" or "+3").
std::optional<int32_t> NumberOfKey(const std::string& key)
{
    int32_t number = 0;
    const auto [end, error] = std::from_chars(key.data(), key.data() + key.size(), number);
    if (error != std::errc() || end != key.data() + key.size() || std::to_string(number) != key)
        return std::nullopt;
    return number;
}

}  // namespace

void clsFuelModels::InsertAt(std::size_t index, Member model, const std::string& key)
{
    if (!model)
        throw std::invalid_argument("clsFuelModels: no fuel model given");
    if (!key.empty() && !byKey.emplace(key, model).second)
        throw std::invalid_argument("clsFuelModels: duplicate key " + key);
    if (const std::optional<int32_t> number = NumberOfKey(key))
        byNumber.emplace(*number, model.get());
    members.insert(members.begin() + static_cast<std::ptrdiff_t>(index), std::move(model));
    keys.insert(keys.begin() + static_cast<std::ptrdiff_t>(index), key);
}

void clsFuelModels::Add(Member model, const std::string& key)
{
    InsertAt(members.size(), std::move(model), key);
}

void clsFuelModels::AddSorted(Member model, const std::string& key)
{
    const int32_t number = static_cast<int32_t>(std::stol(key));
    const auto first = std::find_if(members.begin(), members.end(),
                                    [number](const Member& m) { return m->fuelModelID >= number; });
    InsertAt(static_cast<std::size_t>(first - members.begin()), std::move(model), key);
}

std::size_t clsFuelModels::IndexOf(std::size_t position) const
{
    if (position < 1 || position > members.size())
        throw std::out_of_range("clsFuelModels: position " + std::to_string(position) + " outside 1.." +
                                std::to_string(members.size()));
    return position - 1;
}

std::size_t clsFuelModels::IndexOfKey(const std::string& key) const
{
    const auto it = std::find(keys.begin(), keys.end(), key);
    if (key.empty() || it == keys.end())
        throw std::out_of_range("clsFuelModels: no member with key " + key);
    return static_cast<std::size_t>(it - keys.begin());
}

clsFuelModel& clsFuelModels::Item(std::size_t position) const
{
    return *members[IndexOf(position)];
}

clsFuelModel& clsFuelModels::Item(const std::string& key) const
{
    const auto it = byKey.find(key);
    if (it == byKey.end())
        throw std::out_of_range("clsFuelModels: no member with key " + key);
    return *it->second;
}

clsFuelModels::Member clsFuelModels::Shared(std::size_t position) const
{
    return members[IndexOf(position)];
}

const std::string& clsFuelModels::KeyAt(std::size_t position) const
{
    return keys[IndexOf(position)];
}

void clsFuelModels::Remove(std::size_t position)
{
    const std::size_t index = IndexOf(position);
    if (!keys[index].empty())
        byKey.erase(keys[index]);
    if (const std::optional<int32_t> number = NumberOfKey(keys[index]))
        byNumber.erase(*number);
    members.erase(members.begin() + static_cast<std::ptrdiff_t>(index));
    keys.erase(keys.begin() + static_cast<std::ptrdiff_t>(index));
}

void clsFuelModels::Remove(const std::string& key)
{
    Remove(IndexOfKey(key) + 1);
}

bool clsFuelModels::MemberIsPresent(const std::string& key) const
{
    return byKey.find(key) != byKey.end();
}

clsFuelModel* clsFuelModels::Find(int32_t number) const
{
    const auto it = byNumber.find(number);
    return it == byNumber.end() ? nullptr : it->second;
}
