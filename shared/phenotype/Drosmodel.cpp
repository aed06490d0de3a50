#include "phenotype/Drosmodel.h"

#include "phenotype/Resource.h"

void CDrosModel::LoadParts() {
    LoadParts(CRsrcMgr::Instance());
}

void CDrosModel::LoadParts(const CRsrcMgr& resources) {
    parts_ = {};
    const auto model = [&](const char* name) { return &resources.GetModel(name); };
    const auto skin = [&](const char* name) { return &resources.GetSkin(name); };

    // The fetch order decides which missing file is reported first.
    Part(FlyPart::Eyes).skin = skin("eyes.bmp");
    switch (eyeColor) {
    case WhiteEyes:
        eyeColour_ = {1.0f, 1.0f, 1.0f};
        break;
    case PurpleEyes:
        eyeColour_ = {1.0f, 0.5f, 1.0f};
        break;
    case SepiaEyes:
        eyeColour_ = {0.6f, 0.4f, 0.1f};
        break;
    case RubyEyes:
        eyeColour_ = {1.0f, 0.3f, 0.3f};
        break;
    default:
        eyeColour_ = {1.0f, 0.0f, 0.0f};
    }
    Part(FlyPart::Eyes).mesh = model(eyeShape == LobeEyes  ? "eyeslobe.obj"
                                     : eyeShape == BarEyes ? "eyesbar.obj"
                                                           : "eyeswild.obj");

    const bool male = sex == Male;
    Part(FlyPart::Abdomen).mesh = model(male ? "abdomenmalewild.obj" : "abdomenfemalewild.obj");
    Part(FlyPart::Abdomen).skin = skin(male ? "abdomenmale.bmp" : "abdomenfemale.bmp");
    switch (bodyColor) {
    case BlackBody:
        bodyColour_ = {0.4f, 0.4f, 0.4f};
        break;
    case TanBody:
        bodyColour_ = {0.5f, 0.4f, 0.1f};
        break;
    default:
        bodyColour_ = {1.0f, 1.0f, 1.0f};
    }

    Part(FlyPart::Thorax).skin = skin(thorax == StripeThorax ? "thoraxstripe.bmp" : "thorax.bmp");
    Part(FlyPart::Thorax).mesh = model("thoraxwild.obj");

    Part(FlyPart::Bristles).mesh = model(bristles == ForkedBristles    ? "bristlesforked.obj"
                                         : bristles == ShavenBristles  ? "bristlesshaven.obj"
                                         : bristles == JavelinBristles ? "bristlesjavelin.obj"
                                                                       : "bristleswild.obj");
    Part(FlyPart::Bristles).skin = skin("bristles.bmp");

    Part(FlyPart::Wings).mesh = model(wings == VestigialWings ? "wingsvestigial.obj"
                                      : wings == CurlyWings   ? "wingscurly.obj"
                                      : wings == CurledWings  ? "wingscurled.obj"
                                      : wings == CurvedWings  ? "wingscurved.obj"
                                                              : "wingswild.obj");
    Part(FlyPart::Wings).skin = skin(wingVeins == CrossveinlessVeins        ? "wingscv.bmp"
                                     : wingVeins == CubitusInterruptusVeins ? "wingsci.bmp"
                                                                            : "wingswild.bmp");

    Part(FlyPart::Antennae).mesh = model("antennawild.obj");
    Part(FlyPart::Antennae).skin = skin(antenna == AristalessAntenna ? "antennaaristaless.bmp"
                                        : antenna == ThreadArista    ? "threadarista.bmp"
                                                                     : "antennawild.bmp");

    Part(FlyPart::Head).mesh = model("headwild.obj");
    Part(FlyPart::Head).skin = skin("head.bmp");
}
