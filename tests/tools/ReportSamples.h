#pragma once

// Experiments as the report sees them, for the report and preview tests.

#include "tools/Preview.h"

#include <QFont>
#include <QFontMetrics>
#include <QPaintDevice>

inline ReportGeneration Generation(const QString& name, const QString& mother,
                                   const QString& father, int individuals,
                                   ReportKind kind = ReportKind::Icons,
                                   std::vector<std::pair<QString, int>> columns = {}) {
    ReportGeneration generation;
    generation.name = name;
    generation.motherLabel = mother;
    generation.fatherLabel = father;
    generation.individuals = individuals;
    generation.kind = kind;
    generation.tableColumns = std::move(columns);
    return generation;
}

inline ReportGeneration Parental() {
    return Generation("P1", "None", "None", 2);
}

inline ReportGeneration WhiteEyeTable() {
    return Generation("F1", "P1 (2)", "P1 (1)", 120, ReportKind::Table,
                      {{"Total", 120}, {"Wild", 90}, {"w", 30}});
}

// A report of `count` icon generations after the parental one, long enough for several pages.
inline ReportData LongExperiment(int count) {
    ReportData report{"Many generations", {Parental()}, {}};
    for (int filial = 1; filial <= count; ++filial)
        report.generations.push_back(
            Generation(QStringLiteral("F%1").arg(filial), QStringLiteral("F%1 (2)").arg(filial - 1),
                       QStringLiteral("F%1 (1)").arg(filial - 1), 10 * filial));
    return report;
}

// Every line of a report, in order.
inline QStringList ReportLines(const ReportData& report) {
    QStringList lines{"Genotrix 1.0", "Experiment report", report.name, "GENERATIONS"};
    for (const ReportGeneration& generation : report.generations) {
        lines << generation.name << "Mother: " + generation.motherLabel
              << "Father: " + generation.fatherLabel
              << "Individuals: " + QString::number(generation.individuals);
        for (const auto& [heading, count] : generation.tableColumns)
            lines << heading + ": " + QString::number(count);
    }
    if (!report.jars.empty())
        lines << "COUNTING JARS";
    for (const ReportJar& jar : report.jars)
        lines << jar.name + ": " + QString::number(jar.count);
    return lines;
}

// The height of a line of the report's font on a device.
inline int LineHeight(int pointSize, bool bold, QPaintDevice* device) {
    QFont font("Times New Roman", pointSize);
    font.setBold(bold);
    return QFontMetrics(font, device).height();
}
