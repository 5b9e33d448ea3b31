#include "app/DisplayRotator.h"

#include <QProcess>

namespace korvel {

namespace {

std::optional<QByteArray> runProgram(const QString& program, const QStringList& arguments)
{
    QProcess process;
    process.start(program, arguments);
    if (!process.waitForFinished(5000) || process.exitStatus() != QProcess::NormalExit || process.exitCode() != 0)
        return std::nullopt;
    return process.readAllStandardOutput();
}

}  // namespace

DisplayRotator::DisplayRotator(Run run)
    : m_run(run ? std::move(run) : Run(&runProgram))
{
}

std::optional<DisplayRotation::Rotation> DisplayRotator::apply(qint32 browserOrientation, std::optional<DisplayRotation::Rotation> forced,
                                                               QString* error)
{
    using namespace DisplayRotation;
    const std::optional<QByteArray> query = m_run(QStringLiteral("xrandr"), {QStringLiteral("--query")});
    const std::optional<Output> output = query ? outputFromQuery(QString::fromUtf8(*query)) : std::nullopt;
    if (!output) {
        *error = query ? QStringLiteral("xrandr names no connected output") : QStringLiteral("xrandr could not be run");
        return std::nullopt;
    }
    const Rotation rotation = forced.value_or(forPreference(browserOrientation, output->native()));
    if (rotation != output->rotation
        && !m_run(QStringLiteral("xrandr"), {QStringLiteral("--output"), output->name, QStringLiteral("--rotate"), name(rotation)})) {
        *error = QStringLiteral("xrandr could not turn %1").arg(output->name);
        return std::nullopt;
    }
    // Touch screens (absolute devices, the ones libinput offers a calibration for) follow the
    // picture; mice and keyboards are left alone.
    const std::array<double, 9> matrix = touchMatrix(rotation);
    QStringList values;
    for (double v : matrix)
        values << QString::number(v);
    const QStringList ids = QString::fromUtf8(m_run(QStringLiteral("xinput"), {QStringLiteral("list"), QStringLiteral("--id-only")}).value_or(QByteArray()))
                                .split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    for (const QString& id : ids) {
        const QByteArray props = m_run(QStringLiteral("xinput"), {QStringLiteral("list-props"), id.trimmed()}).value_or(QByteArray());
        if (!props.contains("libinput Calibration Matrix") || !props.contains("Coordinate Transformation Matrix"))
            continue;
        m_run(QStringLiteral("xinput"), QStringList{QStringLiteral("set-prop"), id.trimmed(), QStringLiteral("Coordinate Transformation Matrix")} + values);
    }
    return rotation;
}

}  // namespace korvel
