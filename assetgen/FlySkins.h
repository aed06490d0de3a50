#pragma once

// The skins of the fly, painted procedurally. Body skins carry the wild-type colours (the
// model tints them by the body colour); the eye skin is nearly white (tinted by the eye
// colour); wing and antenna skins multiply what lies behind them, so white is invisible.

#include <QImage>

namespace assetgen::fly {

enum class WingVeins { Wild, Crossveinless, CubitusInterruptus };
enum class Arista { Wild, Aristaless, Thread };

QImage EyesSkin();
QImage HeadSkin();
QImage ThoraxSkin(bool stripe);
QImage AbdomenSkin(bool male);
QImage BristlesSkin();
QImage WingsSkin(WingVeins veins);
QImage AntennaSkin(Arista arista);

} // namespace assetgen::fly
