// What turning the JavaScript compiler off ("DisableJIT", --js-flags=--jitless) costs a page's
// scripts: a benchmark-like workload (numbers, objects, strings, sorting, a DOM of 5,000 rows
// built and measured) run in a real engine with the compiler and without it, each in a fresh
// process (the engine's switches are read once per process). Prints the medians of each and their
// ratio (jitless / JIT).
//
// Run: QT_QPA_PLATFORM=offscreen QTWEBENGINE_DISABLE_SANDBOX=1 build/bin/bench_jit_cost [rounds]
#include <QApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QProcess>
#include <QTimer>
#include <QWebEnginePage>

#include <algorithm>
#include <cstdio>
#include <vector>

namespace {

const char* const workload = R"JS(
(function () {
  const started = performance.now();
  // Numbers: a sieve and a floating-point loop.
  const n = 2000000, sieve = new Uint8Array(n);
  let primes = 0;
  for (let i = 2; i < n; i++) { if (!sieve[i]) { primes++; for (let j = i * 2; j < n; j += i) sieve[j] = 1; } }
  let x = 0;
  for (let i = 0; i < 3000000; i++) x += Math.sin(i) * Math.sqrt(i);
  // Objects and closures.
  const points = [];
  for (let i = 0; i < 300000; i++) points.push({ x: i % 977, y: (i * 31) % 1013, f: (a) => a + i });
  let sum = 0;
  for (const p of points) sum += p.f(p.x * p.y);
  // Strings and sorting.
  const words = [];
  for (let i = 0; i < 100000; i++) words.push(('w' + (i * 7919) % 100003).padStart(8, 'x'));
  words.sort();
  const joined = words.join(',');
  // A heavy page: 5,000 rows built and laid out.
  const table = document.createElement('table');
  for (let i = 0; i < 5000; i++) {
    const row = table.insertRow();
    for (let c = 0; c < 4; c++) row.insertCell().textContent = 'cell ' + i + '.' + c;
  }
  document.body.appendChild(table);
  const height = table.offsetHeight;
  document.body.removeChild(table);
  return [performance.now() - started, primes + (x > 0) + sum % 7 + joined.length % 3 + height % 2];
})()
)JS";

double median(std::vector<double> v)
{
    std::sort(v.begin(), v.end());
    return v.empty() ? 0 : v[v.size() / 2];
}

// One process: the workload `rounds` times on one page; prints one time per line.
int runChild(int rounds)
{
    QWebEnginePage page;
    QEventLoop loaded;
    QObject::connect(&page, &QWebEnginePage::loadFinished, &loaded, &QEventLoop::quit);
    page.setHtml(QStringLiteral("<html><body><p>bench</p></body></html>"));
    QTimer::singleShot(30000, &loaded, &QEventLoop::quit);
    loaded.exec();
    for (int i = 0; i < rounds; ++i) {
        QEventLoop done;
        double ms = -1;
        page.runJavaScript(QString::fromLatin1(workload), [&](const QVariant& result) {
            ms = result.toList().value(0).toDouble();
            done.quit();
        });
        QTimer::singleShot(120000, &done, &QEventLoop::quit);
        done.exec();
        if (ms < 0)
            return 1;
        std::printf("%.1f\n", ms);
        std::fflush(stdout);
    }
    return 0;
}

std::vector<double> runProcess(const char* program, bool jitless, int rounds)
{
    QProcess child;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    QString flags = environment.value(QStringLiteral("QTWEBENGINE_CHROMIUM_FLAGS"));
    if (jitless)
        flags += QStringLiteral(" --js-flags=--jitless");
    environment.insert(QStringLiteral("QTWEBENGINE_CHROMIUM_FLAGS"), flags.trimmed());
    child.setProcessEnvironment(environment);
    child.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    child.start(QString::fromLocal8Bit(program), {QStringLiteral("--child"), QString::number(rounds)});
    child.waitForFinished(600000);
    std::vector<double> times;
    for (const QByteArray& line : child.readAllStandardOutput().split('\n')) {
        if (!line.trimmed().isEmpty())
            times.push_back(line.toDouble());
    }
    return times;
}

}  // namespace

int main(int argc, char** argv)
{
    if (argc >= 3 && QByteArray(argv[1]) == "--child") {
        QApplication application(argc, argv);
        return runChild(QByteArray(argv[2]).toInt());
    }
    const int rounds = argc >= 2 ? std::max(1, QByteArray(argv[1]).toInt()) : 5;
    QCoreApplication application(argc, argv);
    const std::vector<double> jit = runProcess(argv[0], false, rounds);
    const std::vector<double> jitless = runProcess(argv[0], true, rounds);
    if (jit.size() != size_t(rounds) || jitless.size() != size_t(rounds)) {
        std::fprintf(stderr, "bench_jit_cost: a run failed\n");
        return 1;
    }
    std::printf("workload median over %d rounds: JIT %.0f ms, jitless %.0f ms, ratio jitless/JIT %.2f\n", rounds, median(jit),
                median(jitless), median(jitless) / median(jit));
    return 0;
}
