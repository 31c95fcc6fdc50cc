#pragma once
#include <string>
#include <utility>

namespace kestrion {

// Outcome of reading an IODD: whether the model can be used, and if not, why, in a
// sentence a user can read (the caller adds which file it was).
struct IoddResult {
    enum class Status { Ok, Missing, Unusable };

    Status status = Status::Ok;
    std::string reason;

    bool ok() const { return status == Status::Ok; }
    explicit operator bool() const { return ok(); }

    static IoddResult missing(std::string why) { return {Status::Missing, std::move(why)}; }
    static IoddResult unusable(std::string why) { return {Status::Unusable, std::move(why)}; }
};

} // namespace kestrion
