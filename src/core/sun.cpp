#include "core/sun.h"

#include "core/number_text.h"

#include <cmath>

namespace qvk {
namespace {

constexpr double P1 = 3.14159265;
constexpr double P2 = 2 * P1;
constexpr double R1 = P1 / 180;
constexpr double K1 = 15 * R1 * 1.0027379;  // sidereal angle gained per solar hour
constexpr double kZenithDistance = 90.833;

double Int(double x) { return std::trunc(x); }

double sign(double x) { return x > 0 ? 1 : (x < 0 ? -1 : 0); }

// Days from 2000 January 1, 12:00 GMT, to 00:00 GMT of the date.
double daysSinceEpoch(const CivilDate& date)
{
    const double Y = date.year, M = date.month, D = date.day;
    const double G = Y >= 1583 ? 1 : 0;
    const double D1 = Int(D);
    double F = D - D1 - 0.5;
    double J = -Int(7 * (Int((M + 9) / 12) + Y) / 4);
    double J3 = 0;
    if (G == 1) {
        const double S9 = sign(M - 9);
        const double A9 = std::fabs(M - 9);
        J3 = Int(Y + S9 * Int(A9 / 7));
        J3 = -Int((Int(J3 / 100) + 1) * 3 / 4);
    }
    J = J + Int(275 * M / 9) + D1 + G * J3;
    J = J + 1721027 + 2 * G + 367 * Y;
    if (F < 0) {
        F = F + 1;
        J = J - 1;
    }
    return (J - 2451545) + F;
}

struct SunPlace {
    double rightAscension;
    double declination;
};

// The Sun's place at T days from 2000 January 1.5; TT is centuries + 1.
SunPlace sunPlace(double T, double TT)
{
    double L = 0.779072 + 0.00273790931 * T;
    double G = 0.993126 + 0.0027377785 * T;
    L = L - Int(L);
    G = G - Int(G);
    L = L * P2;
    G = G * P2;
    double V = 0.39785 * std::sin(L);
    V = V - 0.01 * std::sin(L - G);
    V = V + 0.00333 * std::sin(L + G);
    V = V - 0.00021 * TT * std::sin(L);
    double U = 1 - 0.03349 * std::cos(G);
    U = U - 0.00014 * std::cos(2 * L);
    U = U + 0.00008 * std::cos(L);
    double W = -0.0001 - 0.04129 * std::sin(2 * L);
    W = W + 0.03211 * std::sin(G);
    W = W + 0.00104 * std::sin(2 * L - G);
    W = W - 0.00035 * std::sin(2 * L + G);
    W = W - 0.00008 * TT * std::sin(G);
    double Q = W / std::sqrt(U - V * V);
    const double rightAscension = L + std::atan(Q / std::sqrt(1 - Q * Q));
    Q = V / std::sqrt(U);
    const double declination = std::atan(Q / std::sqrt(1 - Q * Q));
    return {rightAscension, declination};
}

// hoursAfterNoon counts from the window's start at local noon.
std::string eventText(int hoursAfterNoon, int minutes, bool military)
{
    const int localHour = ((12 + hoursAfterNoon) % 24 + 24) % 24;
    if (military) return twoDigits(localHour) + ":" + twoDigits(minutes);
    const bool afternoon = localHour >= 12;
    return std::to_string(afternoon ? localHour - 12 : localHour) + ":" + twoDigits(minutes) + (afternoon ? "P" : "A");
}

}  // namespace

std::vector<std::string> SunRiseSet(const SunRequest& request, SunTimes& times)
{
    const double H = request.gmtOffset;
    const double Z = H < 0 ? -12 - H : 12 - H;
    const double Z0 = Z / 24;
    const double L5 = request.longitude / 360;

    double T = daysSinceEpoch(request.date);
    const double TT = T / 36525 + 1;
    double T0 = T / 36525;

    // sidereal time at the window's start
    double S = 24110.5 + 8640184.813 * T0;
    S = S + 86636.6 * Z0 + 86400 * L5;
    S = S / 86400;
    S = S - Int(S);
    T0 = S * 360 * R1;

    T = T + Z0;
    const SunPlace start = sunPlace(T, TT);
    const SunPlace end = sunPlace(T + 1, TT);
    double startRA = start.rightAscension, endRA = end.rightAscension;
    if (endRA < startRA) endRA = endRA + P2;

    const double Zc = std::cos(kZenithDistance * R1);
    const double sinPhi = std::sin(request.latitude * R1);
    const double cosPhi = std::cos(request.latitude * R1);
    bool riseFound = false, setFound = false;
    double A0 = startRA, D0 = start.declination;
    const double DA = endRA - startRA, DD = end.declination - start.declination;
    double V0 = 0, V2 = 0;
    const auto altitudeTerm = [&](double declination, double hourAngle) {
        return sinPhi * std::sin(declination) + cosPhi * std::cos(declination) * std::cos(hourAngle) - Zc;
    };

    for (int C0 = 0; C0 < 24; ++C0) {
        const double P = (C0 + 1) / 24.0;
        const double A2 = startRA + P * DA;
        const double D2 = start.declination + P * DD;

        const double L0 = T0 + C0 * K1;
        const double L2 = L0 + K1;
        const double H0 = L0 - A0;
        const double H2 = L2 - A2;
        const double H1 = (H2 + H0) / 2;
        const double Dm = (D2 + D0) / 2;
        if (C0 == 0) V0 = altitudeTerm(D0, H0);
        V2 = altitudeTerm(D2, H2);

        if (sign(V0) != sign(V2)) {
            const double V1 = altitudeTerm(Dm, H1);
            const double a = 2 * V2 - 4 * V1 + 2 * V0;
            const double b = 4 * V1 - 3 * V0 - V2;
            double disc = b * b - 4 * a * V0;
            if (disc >= 0) {
                disc = std::sqrt(disc);
                if (V0 < 0 && V2 > 0) {
                    riseFound = true;
                    times.eventKind = SunEvent::Rise;
                }
                if (V0 > 0 && V2 < 0) {
                    setFound = true;
                    times.eventKind = SunEvent::Set;
                }
                double E = 0;
                if (a == 0) {
                    E = -V0 / b;  // the parabola is a straight line
                } else {
                    E = (-b + disc) / (2 * a);
                    if (E > 1 || E < 0) E = (-b - disc) / (2 * a);
                }
                const double T3 = C0 + E + 1.0 / 120;  // the 1/120 rounds to the nearest minute
                const double H3 = Int(T3);
                const double M3 = Int((T3 - H3) * 60);
                std::string& target = times.eventKind == SunEvent::Rise ? times.riseText : times.setText;
                target = eventText(static_cast<int>(H3), static_cast<int>(M3), request.military);
            }
        }
        A0 = A2;
        D0 = D2;
        V0 = V2;
    }

    std::vector<std::string> notices;
    if (!riseFound && !setFound) {
        if (V2 != 0) notices.emplace_back(kSunUpOrDownAllDay);
    } else {
        if (!riseFound) notices.emplace_back(kNoSunrise);
        if (!setFound) notices.emplace_back(kNoSunset);
    }
    return notices;
}

SunDay sunTimesForDay(const SunRequest& request)
{
    SunDay day;
    SunTimes times;  // one set of texts for both runs, as the toolbar labels keep theirs
    times.eventKind = SunEvent::Rise;
    day.firstRunNotices = SunRiseSet(request, times);
    day.riseText = times.riseText;
    times.eventKind = SunEvent::Set;
    day.secondRunNotices = SunRiseSet(request, times);
    day.setText = times.setText;
    return day;
}

}  // namespace qvk
