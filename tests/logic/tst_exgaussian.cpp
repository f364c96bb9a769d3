// The ex-Gaussian fit against a second, independent reckoning: the density as the convolution of
// a normal and an exponential density, integrated numerically (never the closed form the fit
// uses), and samples drawn from known parameters with a generator of the test's own.
#include "summary/ExGaussian.h"

#include <QTest>
#include <cmath>
#include <cstdint>
#include <numbers>
#include <vector>

using namespace brevane::summary;

namespace {

// log of the integral over y >= 0 of (1 / tau) e^(-y / tau) times the normal density of x - y,
// by Simpson's rule in log space (a far tail stays finite). Beyond x - mu + 12 sigma the normal
// factor is below e^-72, so the integral ends there.
double convolvedLogDensity(double x, const ExGaussian& p, int steps = 20000)
{
    const double end = std::max(x - p.mu, 0.0) + 12 * p.sigma, h = end / steps;
    const auto logIntegrand = [&](double y) {
        const double z = (x - y - p.mu) / p.sigma;
        return -std::log(p.tau) - y / p.tau - 0.5 * z * z - std::log(p.sigma * std::sqrt(2 * std::numbers::pi));
    };
    double top = -INFINITY;
    std::vector<double> logs(steps + 1);
    for (int i = 0; i <= steps; ++i)
        top = std::max(top, logs[i] = logIntegrand(i * h));
    double sum = 0;
    for (int i = 0; i <= steps; ++i)
        sum += (i == 0 || i == steps ? 1 : i % 2 ? 4 : 2) * std::exp(logs[i] - top);
    return top + std::log(sum * h / 3);
}

double convolvedLogLikelihood(const std::vector<double>& xs, const ExGaussian& p)
{
    double sum = 0;
    for (double x : xs)
        sum += convolvedLogDensity(x, p, 4000);
    return sum;
}

// splitmix64: the same numbers on every platform and standard library.
struct Draws {
    std::uint64_t state;
    double uniform() // in (0, 1)
    {
        std::uint64_t z = (state += 0x9E3779B97F4A7C15ull);
        z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
        z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
        return (double((z ^ (z >> 31)) >> 11) + 0.5) * 0x1.0p-53;
    }
    double exGaussian(const ExGaussian& p) // Box-Muller's normal plus an inverted exponential
    {
        const double normal = std::sqrt(-2 * std::log(uniform())) * std::cos(2 * std::numbers::pi * uniform());
        return p.mu + p.sigma * normal - p.tau * std::log(uniform());
    }
};

std::vector<double> sample(std::uint64_t seed, int n, const ExGaussian& p)
{
    Draws draws{seed};
    std::vector<double> xs(n);
    for (double& x : xs)
        x = std::round(draws.exGaussian(p)); // whole milliseconds, as the files store them
    return xs;
}

const ExGaussian kTruth{300, 40, 100};

} // namespace

class TestExGaussian : public QObject {
    Q_OBJECT
private slots:
    // Across the body and both tails, down to a tau far below sigma where the normal distribution
    // function's tail decides and a direct formula would give log(0).
    void density_data()
    {
        QTest::addColumn<double>("x");
        QTest::addColumn<double>("mu");
        QTest::addColumn<double>("sigma");
        QTest::addColumn<double>("tau");
        QTest::newRow("at mu") << 300.0 << 300.0 << 40.0 << 100.0;
        QTest::newRow("slow tail") << 1500.0 << 300.0 << 40.0 << 100.0;
        QTest::newRow("fast tail") << 120.0 << 300.0 << 40.0 << 100.0;
        QTest::newRow("nearly normal") << 260.0 << 300.0 << 40.0 << 2.0;
        QTest::newRow("30 sigma below mu") << 180.0 << 300.0 << 4.0 << 100.0;
    }
    void density()
    {
        QFETCH(double, x);
        QFETCH(double, mu);
        QFETCH(double, sigma);
        QFETCH(double, tau);
        const double fit = exGaussianLogDensity(x, {mu, sigma, tau}),
                     integrated = convolvedLogDensity(x, {mu, sigma, tau});
        QVERIFY2(std::abs(fit - integrated) < 1e-6 * std::max(1.0, std::abs(integrated)),
                 qPrintable(QString("%1 against %2").arg(fit, 0, 'g', 12).arg(integrated, 0, 'g', 12)));
    }

    // A thousand runs drawn from mu 300, sigma 40, tau 100 ms: each fit within about three of its
    // standard errors (3.6, 2.7 and 4.6 ms). Swapping sigma and tau, or the mean for mu, misses
    // these bounds; the spread below and the integrated maximum catch an estimate by the moments.
    void recoveryFromAThousand_data()
    {
        QTest::addColumn<quint64>("seed");
        for (quint64 seed : {1, 2, 3, 4})
            QTest::addRow("seed %llu", seed) << seed;
    }
    void recoveryFromAThousand()
    {
        QFETCH(quint64, seed);
        const ExGaussianFit fit = fitExGaussian(sample(seed, 1000, kTruth), 40);
        QCOMPARE(fit.status, FitStatus::Converged);
        QVERIFY2(std::abs(fit.p.mu - 300) < 12 && std::abs(fit.p.sigma - 40) < 9 && std::abs(fit.p.tau - 100) < 15,
                 qPrintable(QString("%1 %2 %3").arg(fit.p.mu).arg(fit.p.sigma).arg(fit.p.tau)));
    }

    // A hundred runs, as a student's ten sets hold, 200 times over: the fits' means within 4, 3 and
    // 5 ms of the truth (about five standard errors of a mean of 200) and tau's spread below the
    // 19 ms of the moments' estimate; nearly every fit converges.
    void recoveryFromAHundred()
    {
        double mu = 0, sigma = 0, tau = 0, tauSquares = 0;
        int converged = 0;
        for (quint64 seed = 100; seed < 300; ++seed) {
            const ExGaussianFit fit = fitExGaussian(sample(seed, 100, kTruth), 40);
            if (fit.status != FitStatus::Converged)
                continue;
            ++converged;
            mu += fit.p.mu, sigma += fit.p.sigma, tau += fit.p.tau, tauSquares += fit.p.tau * fit.p.tau;
        }
        QVERIFY2(converged >= 196, qPrintable(QString::number(converged)));
        mu /= converged, sigma /= converged, tau /= converged;
        const double tauSpread = std::sqrt(tauSquares / converged - tau * tau);
        QVERIFY2(std::abs(mu - 300) < 4 && std::abs(sigma - 40) < 3 && std::abs(tau - 100) < 5 && tauSpread < 17,
                 qPrintable(QString("%1 %2 %3 (spread %4)").arg(mu).arg(sigma).arg(tau).arg(tauSpread)));
    }

    // The fit is the maximum of the likelihood as the integrated density reckons it: two
    // milliseconds off in any parameter, either way, is less likely.
    void maximumOfTheIntegratedLikelihood()
    {
        const std::vector<double> xs = sample(7, 100, kTruth);
        const ExGaussianFit fit = fitExGaussian(xs, 40);
        QCOMPARE(fit.status, FitStatus::Converged);
        const double best = convolvedLogLikelihood(xs, fit.p);
        QVERIFY(std::abs(best - fit.logLikelihood) < 1e-4);
        for (double ExGaussian::*parameter : {&ExGaussian::mu, &ExGaussian::sigma, &ExGaussian::tau})
            for (double step : {-2.0, 2.0}) {
                ExGaussian off = fit.p;
                off.*parameter += step;
                QVERIFY(convolvedLogLikelihood(xs, off) < best);
            }
    }

    // Below the minimum no fit is tried; times all alike have no spread to fit; a few times do.
    void edges_data()
    {
        QTest::addColumn<std::vector<double>>("values");
        QTest::addColumn<int>("minimum");
        QTest::addColumn<FitStatus>("status");
        QTest::newRow("39 of 40") << sample(5, 39, kTruth) << 40 << FitStatus::TooFewRuns;
        QTest::newRow("40 of 40") << sample(5, 40, kTruth) << 40 << FitStatus::Converged;
        QTest::newRow("all alike") << std::vector<double>(50, 250.0) << 40 << FitStatus::NotConverged;
        QTest::newRow("none") << std::vector<double>() << 0 << FitStatus::TooFewRuns;
    }
    void edges()
    {
        QFETCH(std::vector<double>, values);
        QFETCH(int, minimum);
        QFETCH(FitStatus, status);
        const ExGaussianFit fit = fitExGaussian(values, minimum);
        QCOMPARE(fit.status, status);
        QCOMPARE(std::isnan(fit.p.tau), status != FitStatus::Converged);
    }
};

QTEST_APPLESS_MAIN(TestExGaussian)
#include "tst_exgaussian.moc"
