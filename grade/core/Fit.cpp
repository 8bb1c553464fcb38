#include "grade/core/Fit.h"

#include <algorithm>
#include <cmath>
#include <limits>

#include <boost/math/distributions/chi_squared.hpp>

#include "common/Conversions.h"
#include "common/Format.h"

namespace sim {

double ChiSquare(const std::vector<SeriesPoint>& points, const std::vector<double>& perTick,
                 std::int64_t ticks) {
    double sum = 0;
    for (std::size_t k = 0; k < points.size() && k < perTick.size(); ++k) {
        const double n = points[k].Counts;
        const double mu = static_cast<double>(ticks) * perTick[k];
        if (mu > 0) {
            sum += (n - mu) * (n - mu) / mu;
        } else if (n != 0) {
            return std::numeric_limits<double>::infinity();
        }
    }
    return sum;
}

std::int64_t EstimateTicks(const std::vector<SeriesPoint>& points,
                           const std::vector<double>& perTick) {
    double squares = 0;
    double expected = 0;
    for (std::size_t k = 0; k < points.size() && k < perTick.size(); ++k) {
        if (perTick[k] > 0) {
            const double n = points[k].Counts;
            squares += n * n / perTick[k];
            expected += perTick[k];
        }
    }
    const double best = std::sqrt(squares / expected);
    if (!(expected > 0) || !std::isfinite(best)) {
        return 1;
    }
    const auto clamp = [](double t) {
        return static_cast<std::int64_t>(std::clamp(t, 1.0, static_cast<double>(kMaxTicks)));
    };
    const std::int64_t below = clamp(std::floor(best));
    const std::int64_t above = clamp(std::ceil(best));
    return ChiSquare(points, perTick, above) < ChiSquare(points, perTick, below) ? above : below;
}

std::optional<double> ChiSquarePValue(double chiSquare, int dof) {
    if (dof < 1 || std::isnan(chiSquare)) {
        return std::nullopt;
    }
    if (chiSquare <= 0) {
        return 1.0;
    }
    if (!std::isfinite(chiSquare)) {
        return 0.0;
    }
    const boost::math::chi_squared_distribution<double> distribution(dof);
    return boost::math::cdf(boost::math::complement(distribution, chiSquare));
}

std::int32_t ExactCount(double perTick) {
    return SaturateToInt32(perTick);
}

std::optional<std::size_t> FirstExactMismatch(const std::vector<SeriesPoint>& points,
                                              const std::vector<double>& perTick) {
    for (std::size_t k = 0; k < points.size() && k < perTick.size(); ++k) {
        const std::int64_t difference =
            std::int64_t{points[k].Counts} - std::int64_t{ExactCount(perTick[k])};
        if (difference > 1 || difference < -1) {
            return k;
        }
    }
    return std::nullopt;
}

std::string ChiSquareText(double chiSquare) {
    return Format("%.3f", chiSquare);
}

std::string PValueText(double p) {
    return Format("%.4g", p);
}

}  // namespace sim
