#include "Jar.h"

QString ShortenJarName(const QString& name) {
    constexpr int longest = 10;
    return name.size() > longest ? name.left(longest) + "..." : name;
}
