#pragma once
// What a pointer to a member function says about the member: its class, its
// result, its parameters as values to decode into. `overload` picks one of
// several members of the same name by its signature.

#include <tuple>
#include <type_traits>

namespace remote {

template <typename PM>
struct MemberTraits;

template <typename C, typename R, typename... A>
struct MemberTraits<R (C::*)(A...)> {
    using Class = C;
    using Result = R;
    using Parameters = std::tuple<A...>;
    using Values = std::tuple<std::decay_t<A>...>;
};

template <typename C, typename R, typename... A>
struct MemberTraits<R (C::*)(A...) const> : MemberTraits<R (C::*)(A...)> {};

// overload<std::shared_ptr<cad::Layer>(int) const>(&cad::Collection<cad::Layer>::item)
template <typename Signature, typename C>
constexpr auto overload(Signature C::*member)
{
    return member;
}

}  // namespace remote
