#pragma once
// The two sides of a card.  Every card has both; a back with no objects and
// no background is an empty back, and such a card saves and prints as a
// one-sided card.

namespace cw::model {

enum class TCardSide { Front, Back };

inline TCardSide OtherSide(TCardSide side)
{
    return side == TCardSide::Front ? TCardSide::Back : TCardSide::Front;
}

} // namespace cw::model
