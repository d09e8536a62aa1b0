#pragma once

#include <QString>
#include <utility>
#include <variant>

namespace platform {

// Why a step failed or refused, in words for whoever asked; it makes a failed Result of any kind.
struct Failure
{
    QString why;
};

// The value of a step that gives none back but that it was done.
struct Done
{
};

// What a step that can fail or refuse gives back: its value, or a Failure. The one way such steps
// answer, because at the call site it reads the same whether a value comes back or not,
//     if (const auto written = write(...); !written) return fail(written.why());
// with no variable declared ahead for an out-parameter, no optional whose emptiness would mean
// success, and no way to read a value that failed.
template <typename T = Done> class [[nodiscard]] Result
{
public:
    Result()
        requires std::is_same_v<T, Done>
    = default;
    Result(T value) : state(std::in_place_index<0>, std::move(value)) {}
    Result(Failure failure) : state(std::in_place_index<1>, std::move(failure.why)) {}

    explicit operator bool() const { return state.index() == 0; }
    const T &operator*() const { return std::get<0>(state); }
    const T *operator->() const { return &std::get<0>(state); }
    const QString &why() const { return std::get<1>(state); }

private:
    std::variant<T, QString> state;
};

} // namespace platform
