// The rows of the computer's rule table, in the order they are tried.
#include "ruletable.h"

namespace game {

namespace {

constexpr Rule completeO(int a, int b, int target) { return {0, {a, b, 0}, Mark::O, target, true, false}; }
constexpr Rule blockX(int a, int b, int target) { return {0, {a, b, 0}, Mark::X, target, true, false}; }
constexpr Rule firstMove(int target, bool testsTarget) { return {1, {0, 0, 0}, Mark::Empty, target, testsTarget, true}; }
constexpr Rule xPattern(std::array<int, 3> xs, int target) { return {2, xs, Mark::X, target, true, false}; }
constexpr Rule firstFree(int target) { return {2, {0, 0, 0}, Mark::Empty, target, true, false}; }

} // namespace

const std::array<Rule, kRuleCount> kRuleTable = {
    // Complete a line of O: each line's two squares, then its gap.
    completeO(1, 2, 3), completeO(4, 5, 6), completeO(7, 8, 9),  //  1- 3
    completeO(3, 2, 1), completeO(6, 5, 4), completeO(9, 8, 7),  //  4- 6
    completeO(1, 5, 9), completeO(3, 5, 7), completeO(9, 5, 1),  //  7- 9
    completeO(7, 5, 3), completeO(1, 4, 7), completeO(2, 5, 8),  // 10-12
    completeO(3, 6, 9), completeO(7, 4, 1), completeO(8, 5, 2),  // 13-15
    completeO(9, 6, 3), completeO(1, 3, 2), completeO(4, 6, 5),  // 16-18
    completeO(7, 9, 8), completeO(1, 7, 4), completeO(2, 8, 5),  // 19-21
    completeO(3, 9, 6), completeO(1, 9, 5), completeO(3, 7, 5),  // 22-24
    // Block a line of X: the same 24 patterns in the same order.
    blockX(1, 2, 3), blockX(4, 5, 6), blockX(7, 8, 9),           // 25-27
    blockX(3, 2, 1), blockX(6, 5, 4), blockX(9, 8, 7),           // 28-30
    blockX(1, 5, 9), blockX(3, 5, 7), blockX(9, 5, 1),           // 31-33
    blockX(7, 5, 3), blockX(1, 4, 7), blockX(2, 5, 8),           // 34-36
    blockX(3, 6, 9), blockX(7, 4, 1), blockX(8, 5, 2),           // 37-39
    blockX(9, 6, 3), blockX(1, 3, 2), blockX(4, 6, 5),           // 40-42
    blockX(7, 9, 8), blockX(1, 7, 4), blockX(2, 8, 5),           // 43-45
    blockX(3, 9, 6), blockX(1, 9, 5), blockX(3, 7, 5),           // 46-48
    // First move: the centre, else the top left. When row 50 fires the one X stands in
    // the centre, so its target is never tested.
    firstMove(5, true), firstMove(1, false),                     // 49-50
    // X patterns from the second move on.
    xPattern({1, 9, 0}, 2), xPattern({3, 7, 0}, 2),              // 51-52
    xPattern({3, 9, 4}, 2),                                      // 53
    xPattern({1, 8, 0}, 7), xPattern({3, 8, 0}, 9),              // 54-55
    xPattern({6, 7, 0}, 9),                                      // 56
    // Otherwise the first free square.
    firstFree(1), firstFree(2), firstFree(3),                    // 57-59
    firstFree(4), firstFree(5), firstFree(6),                    // 60-62
    firstFree(7), firstFree(8), firstFree(9),                    // 63-65
};

} // namespace game
