// Renders the wild-type female and male and every mutant phenotype in the microscope at its
// initial camera, each to a picture and all together to one contact sheet; the wild-type
// female also from other angles to a second sheet.
//   fly_gallery DATAFOLDER OUTFOLDER

#include "fly/Drosophila.h"
#include "fly/Error.h"
#include "phenotype/MicroscopeView.h"
#include "phenotype/Resource.h"

#include <QApplication>
#include <QDir>
#include <QPainter>
#include <cstdio>
#include <string>
#include <vector>

namespace {

struct Phenotype {
    QString caption;
    QString file;
    std::vector<std::string> mutations; // homozygous (hemizygous in a male)
    bool male = false;
};

CDrosophila Fly(const Phenotype& phenotype) {
    CDrosophila fly;
    SetWildType(fly, phenotype.male ? 0 : 1);
    for (const std::string& symbol : phenotype.mutations)
        for (int pair = 0; pair < PairCount; ++pair)
            for (int slot = 0; slot < LociPerChromosome; ++slot)
                if (symbol == LocusSymbols[pair][slot])
                    for (int homolog : {Homolog1, Homolog2})
                        if (fly.GetPair(pair)->GetChr(homolog)->alleles[slot] != "-")
                            fly.GetPair(pair)->GetChr(homolog)->alleles[slot] = symbol;
    return fly;
}

QImage Render(const MicroscopeView::Config& config, const CDrosophila& fly, int size) {
    MicroscopeView view(config);
    view.resize(size, size);
    view.show();
    view.ShowFly(fly);
    return view.grabFramebuffer();
}

struct Shot {
    QString caption;
    QImage image;
};

QImage ContactSheet(const std::vector<Shot>& shots, int columns, int cell) {
    const int captionHeight = 26;
    const int rows = (static_cast<int>(shots.size()) + columns - 1) / columns;
    QImage sheet(columns * cell, rows * (cell + captionHeight), QImage::Format_RGB32);
    sheet.fill(Qt::white);
    QPainter painter(&sheet);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    QFont font("DejaVu Sans");
    font.setPixelSize(15);
    painter.setFont(font);
    for (std::size_t i = 0; i < shots.size(); ++i) {
        const int x = static_cast<int>(i % columns) * cell;
        const int y = static_cast<int>(i / columns) * (cell + captionHeight);
        painter.drawImage(QRect(x, y, cell, cell), shots[i].image);
        painter.drawText(QRect(x, y + cell, cell, captionHeight), Qt::AlignCenter,
                         shots[i].caption);
    }
    return sheet;
}

} // namespace

int main(int argc, char** argv) {
    QApplication application(argc, argv);
    if (argc != 3) {
        std::fprintf(stderr, "usage: fly_gallery DATAFOLDER OUTFOLDER\n");
        return 2;
    }
    const QDir data(QString::fromLocal8Bit(argv[1]));
    const QDir out(QString::fromLocal8Bit(argv[2]));
    if (!out.mkpath(".")) {
        std::fprintf(stderr, "fly_gallery: cannot make %s\n", argv[2]);
        return 1;
    }
    CRsrcMgr::Instance().LoadAll(data.filePath("Models"), data.filePath("Skins"));

    const std::vector<Phenotype> phenotypes = {
        {"Wild type female", "wild-female", {}},
        {"Wild type male", "wild-male", {}, true},
        {"white (w)", "white", {"w"}},
        {"ruby (rb)", "ruby", {"rb"}},
        {"purple (pr)", "purple", {"pr"}},
        {"sepia (se)", "sepia", {"se"}},
        {"Bar (B)", "bar", {"B"}},
        {"Lobe (L)", "lobe", {"L"}},
        {"tan (t)", "tan", {"t"}},
        {"black (b)", "black", {"b"}},
        {"stripe (sr)", "stripe", {"sr"}},
        {"forked (f)", "forked", {"f"}},
        {"javelin (jv)", "javelin", {"jv"}},
        {"shaven (sv)", "shaven", {"sv"}},
        {"vestigial (vg)", "vestigial", {"vg"}},
        {"curled (cu)", "curled", {"cu"}},
        {"Curly (Cy)", "curly", {"Cy"}},
        {"curved (c)", "curved", {"c"}},
        {"crossveinless (cv)", "crossveinless", {"cv"}},
        {"cubitus interruptus (ci)", "cubitus-interruptus", {"ci"}},
        {"aristaless (al)", "aristaless", {"al"}},
        {"thread (th)", "thread", {"th"}},
    };

    const int size = 480;
    std::vector<Shot> shots;
    try {
        for (const Phenotype& phenotype : phenotypes) {
            QImage image = Render(MicroscopeView::Config::Laboratory(), Fly(phenotype), size);
            image.save(out.filePath(phenotype.file + ".png"));
            shots.push_back({phenotype.caption, image});
        }
        ContactSheet(shots, 6, 320).save(out.filePath("contact-sheet.png"));

        // The wild-type female from other angles.
        struct Angle {
            QString caption;
            float rotationX, rotationY;
        };
        const Angle angles[] = {
            {"From above", 90, 180}, {"From the side", 5, 90}, {"From the front", 15, 180},
            {"From behind", 30, 0},  {"From below", -60, 150}, {"Turned", 40, 310},
        };
        std::vector<Shot> views = {
            {"Editor camera", Render(MicroscopeView::Config::Editor(), Fly(phenotypes[0]), size)}};
        for (const Angle& angle : angles) {
            MicroscopeView::Config config = MicroscopeView::Config::Laboratory();
            config.camera.rotationX = angle.rotationX;
            config.camera.rotationY = angle.rotationY;
            views.push_back({angle.caption, Render(config, Fly(phenotypes[0]), size)});
        }
        ContactSheet(views, 4, 400).save(out.filePath("views.png"));
        // The editor's preview at its own size.
        Render(MicroscopeView::Config::Editor(), Fly(phenotypes[1]), 233)
            .save(out.filePath("editor-preview.png"));

        // Close-ups of the small traits: the wings from above, heads and aristae, bristles.
        struct CloseUp {
            QString caption;
            std::size_t phenotype;
            MicroscopeCamera camera;
        };
        const MicroscopeCamera wings{90, 0, 0, 8, 30};
        const MicroscopeCamera head{20, 150, 4, -1, 16};
        const MicroscopeCamera thorax{55, 150, 0, 0, 18};
        const std::vector<CloseUp> closeUps = {
            {"Wild wings", 0, wings},
            {"crossveinless", 18, wings},
            {"cubitus interruptus", 19, wings},
            {"vestigial", 14, thorax},
            {"Wild head", 0, head},
            {"aristaless", 20, head},
            {"thread", 21, head},
            {"Bar", 6, head},
            {"Lobe", 7, head},
            {"Wild bristles", 0, thorax},
            {"forked", 11, thorax},
            {"javelin", 12, thorax},
            {"shaven", 13, thorax},
            {"stripe", 10, thorax},
            {"Wild male", 1, MicroscopeCamera{35, 60, 0, 0, 45}},
            {"Wild female", 0, MicroscopeCamera{35, 60, 0, 0, 45}},
        };
        std::vector<Shot> details;
        for (const CloseUp& closeUp : closeUps) {
            MicroscopeView::Config config = MicroscopeView::Config::Laboratory();
            config.camera = closeUp.camera;
            details.push_back(
                {closeUp.caption, Render(config, Fly(phenotypes[closeUp.phenotype]), size)});
        }
        ContactSheet(details, 4, 400).save(out.filePath("details.png"));
    } catch (const CGeneralError& error) {
        std::fprintf(stderr, "fly_gallery: %s\n", error.message.c_str());
        return 1;
    }
    std::printf("%s\n", qPrintable(out.filePath("contact-sheet.png")));
    return 0;
}
