#pragma once

#include <array>

namespace orvex::skingen {

// The four bitmaps of a family, in the order of their file names.
enum class ControlState { Normal, Over, Down, Disable };

inline constexpr std::array<ControlState, 4> kFourStates{ControlState::Normal, ControlState::Over,
                                                         ControlState::Down, ControlState::Disable};
inline constexpr std::array<ControlState, 3> kThreeStates{ControlState::Normal, ControlState::Over,
                                                          ControlState::Down};

const char* StateSuffix(ControlState state);

}  // namespace orvex::skingen
