#include "colour/colourspace.h"

#include <algorithm>
#include <cmath>

namespace tincta {

namespace {

// The sRGB and OKLab matrices of the CSS Color 4 conversion code: linear sRGB to XYZ (D65) in
// its exact rational form, then XYZ to LMS and LMS to OKLab as recalculated there for a
// consistent D65 white in 64-bit precision, so that a grey's a and b are zero but for
// floating-point noise (below 1e-14).
constexpr ColourMatrix linearSrgbToXyz = {
    {506752.0 / 1228815.0, 87881.0 / 245763.0, 12673.0 / 70218.0},
    {87098.0 / 409605.0, 175762.0 / 245763.0, 12673.0 / 175545.0},
    {7918.0 / 409605.0, 87881.0 / 737289.0, 1001167.0 / 1053270.0},
};
constexpr ColourMatrix xyzToLms = {
    {0.8190224379967030, 0.3619062600528904, -0.1288737815209879},
    {0.0329836539323885, 0.9292868615863434, 0.0361446663506424},
    {0.0481771893596242, 0.2642395317527308, 0.6335478284694309},
};
constexpr ColourMatrix lmsToOklab = {
    {0.2104542683093140, 0.7936177747023054, -0.0040720430116193},
    {1.9779985324311684, -2.4285922420485799, 0.4505937096174110},
    {0.0259040424655478, 0.7827717124575296, -0.8086757549230774},
};

// D65 to D50 by the Bradford method, the white point of D50 as chromaticities 0.3457, 0.3585, and
// XYZ (D65) to linear Display P3, all from the CSS Color 4 conversion code.
constexpr ColourMatrix d65ToD50 = {
    {1.0479297925449969, 0.022946870601609652, -0.05019226628920524},
    {0.02962780877005599, 0.9904344267538799, -0.017073799063418826},
    {-0.009243040646204504, 0.015055191490298152, 0.7518742814281371},
};
constexpr double d50White[3] = {0.3457 / 0.3585, 1.0, (1.0 - 0.3457 - 0.3585) / 0.3585};
constexpr ColourMatrix xyzToLinearP3 = {
    {446124.0 / 178915.0, -333277.0 / 357830.0, -72051.0 / 178915.0},
    {-14852.0 / 17905.0, 63121.0 / 35810.0, 423.0 / 17905.0},
    {11844.0 / 330415.0, -50337.0 / 660830.0, 316169.0 / 330415.0},
};
// CIE's exact rational forms of the Lab constants.
constexpr double labEpsilon = 216.0 / 24389.0;
constexpr double labKappa = 24389.0 / 27.0;

struct Vector {
    double x;
    double y;
    double z;
};

Vector multiply(const ColourMatrix& m, const Vector& v) {
    return {m[0][0] * v.x + m[0][1] * v.y + m[0][2] * v.z,
            m[1][0] * v.x + m[1][1] * v.y + m[1][2] * v.z,
            m[2][0] * v.x + m[2][1] * v.y + m[2][2] * v.z};
}

// A 3 x 3 matrix that can be copied, for the inverses worked out once below.
struct Matrix {
    double m[3][3];
};

Matrix product(const ColourMatrix& a, const ColourMatrix& b) {
    Matrix result{};
    for (int row = 0; row < 3; ++row)
        for (int column = 0; column < 3; ++column)
            for (int k = 0; k < 3; ++k)
                result.m[row][column] += a[row][k] * b[k][column];
    return result;
}

// By cofactors: the matrices here are far from singular, so this is exact to double precision.
Matrix inverse(const ColourMatrix& a) {
    Matrix result{};
    const auto cofactor = [&a](int row, int column) {
        const int r0 = (row + 1) % 3;
        const int r1 = (row + 2) % 3;
        const int c0 = (column + 1) % 3;
        const int c1 = (column + 2) % 3;
        return a[r0][c0] * a[r1][c1] - a[r0][c1] * a[r1][c0];
    };
    const double determinant =
        a[0][0] * cofactor(0, 0) + a[0][1] * cofactor(0, 1) + a[0][2] * cofactor(0, 2);
    for (int row = 0; row < 3; ++row)
        for (int column = 0; column < 3; ++column)
            result.m[column][row] = cofactor(row, column) / determinant;
    return result;
}

// The way back from OKLab, inverted from the matrices above so that a round trip returns the
// colour it started from.
const Matrix& oklabToLms() {
    static const Matrix matrix = inverse(lmsToOklab);
    return matrix;
}

const Matrix& lmsToLinearSrgb() {
    static const Matrix matrix = [] {
        const Matrix forward = product(xyzToLms, linearSrgbToXyz);
        return inverse(forward.m);
    }();
    return matrix;
}

double labCurve(double value) {
    return value > labEpsilon ? std::cbrt(value) : (labKappa * value + 16.0) / 116.0;
}

double encodedFromLinear(double linear) {
    const double magnitude = std::abs(linear);
    const double encoded =
        magnitude <= 0.0031308 ? magnitude * 12.92 : 1.055 * std::pow(magnitude, 1.0 / 2.4) - 0.055;
    return std::copysign(encoded, linear);
}

double labCurveInverse(double value) {
    const double cube = value * value * value;
    return cube > labEpsilon ? cube : (116.0 * value - 16.0) / labKappa;
}

LinearRgb toLinear(const Vector& v) {
    return {v.x, v.y, v.z};
}

const Matrix& xyzToLinearSrgb() {
    static const Matrix matrix = inverse(linearSrgbToXyz);
    return matrix;
}

} // namespace

double linearFromChannel(int channel) {
    return linearFromEncoded(channel / 255.0);
}

double linearFromEncoded(double encoded) {
    const double magnitude = std::abs(encoded);
    const double linear =
        magnitude <= 0.04045 ? magnitude / 12.92 : std::pow((magnitude + 0.055) / 1.055, 2.4);
    return std::copysign(linear, encoded);
}

int channelFromLinear(double linear) {
    return static_cast<int>(std::round(encodedFromLinear(std::clamp(linear, 0.0, 1.0)) * 255.0));
}

LinearRgb toLinearRgb(const Colour& colour) {
    return {linearFromChannel(colour.red), linearFromChannel(colour.green),
            linearFromChannel(colour.blue)};
}

Colour fromLinearRgb(const LinearRgb& linear) {
    return {channelFromLinear(linear.red), channelFromLinear(linear.green),
            channelFromLinear(linear.blue)};
}

LinearRgb transformLinear(const ColourMatrix& matrix, const LinearRgb& linear) {
    const Vector result = multiply(matrix, {linear.red, linear.green, linear.blue});
    return {result.x, result.y, result.z};
}

Oklab toOklab(const Colour& colour) {
    return oklabFromLinear(toLinearRgb(colour));
}

Oklab oklabFromLinear(const LinearRgb& linear) {
    const Vector lms =
        multiply(xyzToLms, multiply(linearSrgbToXyz, {linear.red, linear.green, linear.blue}));
    const Vector lab = multiply(lmsToOklab, {std::cbrt(lms.x), std::cbrt(lms.y), std::cbrt(lms.z)});
    return {lab.x, lab.y, lab.z};
}

CieLab toCieLab(const Colour& colour) {
    const LinearRgb linear = toLinearRgb(colour);
    const Vector xyz =
        multiply(d65ToD50, multiply(linearSrgbToXyz, {linear.red, linear.green, linear.blue}));
    const double fx = labCurve(xyz.x / d50White[0]);
    const double fy = labCurve(xyz.y / d50White[1]);
    const double fz = labCurve(xyz.z / d50White[2]);
    return {116.0 * fy - 16.0, 500.0 * (fx - fy), 200.0 * (fy - fz)};
}

LinearRgb toDisplayP3(const Colour& colour) {
    const LinearRgb linear = toLinearRgb(colour);
    const Vector p3 =
        multiply(xyzToLinearP3, multiply(linearSrgbToXyz, {linear.red, linear.green, linear.blue}));
    return {encodedFromLinear(p3.x), encodedFromLinear(p3.y), encodedFromLinear(p3.z)};
}

LinearRgb linearFromCieLab(const CieLab& colour) {
    const double fy = (colour.lightness + 16.0) / 116.0;
    const double fx = fy + colour.a / 500.0;
    const double fz = fy - colour.b / 200.0;
    const Vector xyzD50{labCurveInverse(fx) * d50White[0], labCurveInverse(fy) * d50White[1],
                        labCurveInverse(fz) * d50White[2]};
    static const Matrix d50ToD65 = inverse(d65ToD50);
    return toLinear(multiply(xyzToLinearSrgb().m, multiply(d50ToD65.m, xyzD50)));
}

LinearRgb linearFromDisplayP3(const LinearRgb& p3) {
    static const Matrix linearP3ToXyz = inverse(xyzToLinearP3);
    const Vector linearP3{linearFromEncoded(p3.red), linearFromEncoded(p3.green),
                          linearFromEncoded(p3.blue)};
    return toLinear(multiply(xyzToLinearSrgb().m, multiply(linearP3ToXyz.m, linearP3)));
}

LinearRgb linearFromOklab(const Oklab& colour) {
    const Vector roots = multiply(oklabToLms().m, {colour.lightness, colour.a, colour.b});
    const Vector linear =
        multiply(lmsToLinearSrgb().m, {roots.x * roots.x * roots.x, roots.y * roots.y * roots.y,
                                       roots.z * roots.z * roots.z});
    return {linear.x, linear.y, linear.z};
}

Colour colourFromUnitChannels(double red, double green, double blue) {
    const auto channel = [](double unit) {
        return static_cast<int>(std::lround(std::clamp(unit * 255.0, 0.0, 255.0)));
    };
    return {channel(red), channel(green), channel(blue)};
}

Colour colourFromHsv(double hueDegrees, double saturation, double brightness) {
    const double h = std::fmod(std::fmod(hueDegrees, 360.0) + 360.0, 360.0) / 60.0;
    const auto at = [&](double n) {
        const double k = std::fmod(n + h, 6.0);
        return brightness * (1.0 - saturation * std::clamp(std::min(k, 4.0 - k), 0.0, 1.0));
    };
    return colourFromUnitChannels(at(5.0), at(3.0), at(1.0));
}

} // namespace tincta
