// The briefing.html page: notes, plan, objectives and endings.
#pragma once

#include <QString>

#include <array>

// What the briefing wizard's form holds; texts of memos have CR LF line breaks.
struct BriefingForm
{
    static constexpr int kObjectives = 8;
    static constexpr int kEndings = 3;

    struct Ending
    {
        bool on = false;
        QString title; // one line, put in as typed
        QString text;
    };

    QString notes;
    QString plan;
    std::array<bool, kObjectives> objectiveOn{};
    std::array<QString, kObjectives> objectives;
    std::array<Ending, kEndings> endings;
};

QString buildBriefingPage(const BriefingForm &form);

// A link that shows a marker on the map: <a href = "marker:NAME">TEXT</a>.
QString markerLink(const QString &linkText, const QString &markerName);
