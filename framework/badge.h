// The framework's ways into its own classes, which the program cannot take.
//
// A member that takes a Badge<T> is a hook for T alone: only T can make the badge that the call
// needs. Hooks that several of the framework's classes use are private instead, and the class
// names those users its friends. The tests reach what they observe through the functions of
// framework/testing.h, whose definitions are the only users of testing::Access.
#pragma once

namespace fw {

template <class T>
class Badge {
  friend T;
  Badge() = default;

 public:
  // Neither copied nor moved: whoever receives a badge cannot hand it on to a third party.
  Badge(const Badge&) = delete;
  Badge(Badge&&) = delete;
  Badge& operator=(const Badge&) = delete;
  Badge& operator=(Badge&&) = delete;
};

namespace testing {
class Access;
}  // namespace testing

}  // namespace fw
