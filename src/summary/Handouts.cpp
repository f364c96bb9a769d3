#include "summary/Handouts.h"
#include "summary/ChartParts.h"

#include <QCoreApplication>
#include <QPageLayout>
#include <QPainter>
#include <QPdfWriter>

namespace brevane::summary {

Handout handoutFor(const ClassSummary& summary, int student)
{
    const StudentRow& row = summary.students[student];
    Handout out{row.student, int(summary.students.size()), summary.rules, {}};
    for (const ClassRow& c : summary.classRows) {
        const auto it = row.shapes.constFind(c.test);
        if (it == row.shapes.cend())
            continue;
        HandoutTest test{c.test, 0, row.means.value(c.test, kNone), &*it, c.shape.countedMs, c.studentMeans};
        for (const SetRow& set : summary.sets)
            test.sets += set.student == student && set.test == c.test;
        out.tests << test;
    }
    return out;
}

bool writeHandouts(QIODevice& out, const ClassSummary& summary)
{
    QPdfWriter pdf(&out);
    QPainter painter;
    if (!beginPdf(pdf, painter, QPageLayout::Portrait,
                  QCoreApplication::translate("Handouts", "Reaction times: a page for each student"), kHandoutWidth,
                  kHandoutHeight))
        return false;
    for (int i = 0; i < summary.students.size(); ++i) {
        if (i > 0 && !pdf.newPage())
            return false;
        drawHandout(painter, handoutFor(summary, i));
    }
    return painter.end();
}

} // namespace brevane::summary
