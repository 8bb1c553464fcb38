#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include "grade/core/Expectation.h"
#include "grade/core/Fit.h"
#include "grade/core/ResultFile.h"

namespace sim {
namespace {

// Critical values of the chi-square distribution from printed tables (three decimals): the
// upper tail beyond each is the stated probability.
TEST(ChiSquarePValue, MatchesTabulatedQuantiles) {
    struct Quantile {
        double ChiSquare;
        int Dof;
        double P;
    };
    const Quantile table[] = {
        {38.885, 26, 0.05}, {3.841, 1, 0.05},    {23.209, 10, 0.01},
        {13.816, 2, 0.001}, {70.703, 38, 0.001}, {2.706, 1, 0.10},
    };
    for (const Quantile& q : table) {
        const auto p = ChiSquarePValue(q.ChiSquare, q.Dof);
        ASSERT_TRUE(p.has_value());
        // Three decimals of the quantile move the tail by far less than this.
        EXPECT_NEAR(*p, q.P, q.P * 2e-3) << q.ChiSquare << " with " << q.Dof;
    }
    EXPECT_EQ(ChiSquarePValue(0, 5), 1.0);
    EXPECT_EQ(ChiSquarePValue(INFINITY, 5), 0.0);
    EXPECT_FALSE(ChiSquarePValue(3.0, 0).has_value());  // a single point
}

TEST(EstimateTicks, TheWholeNumberWithTheSmallestChiSquare) {
    // Two points of 100 expected counts per tick: T = 15 gives 270, T = 16 gives 265.6 (by
    // hand), though the counts' mean alone would say 15.
    const std::vector<SeriesPoint> points = {{100, 1050}, {150, 1950}};
    const std::vector<double> perTick = {100, 100};
    EXPECT_EQ(EstimateTicks(points, perTick), 16);
    EXPECT_NEAR(ChiSquare(points, perTick, 15), 270.0, 1e-9);
    EXPECT_NEAR(ChiSquare(points, perTick, 16), 265.625, 1e-9);
    // Nothing counted: still at least one tick.
    EXPECT_EQ(EstimateTicks({{100, 0}, {150, 0}}, perTick), 1);
    // A point expected at nothing that counted something cannot come from that geometry.
    EXPECT_EQ(ChiSquare({{100, 5}}, {0.0}, 3), INFINITY);
    EXPECT_EQ(ChiSquare({{100, 0}}, {0.0}, 3), 0.0);
}

// Rates of an independent transcription of the physics (both sources on the markers, the
// drive on), for two saved fields.
TEST(FieldEvaluator, MeasuresASavedFieldAsASeriesDoes) {
    struct Case {
        GeometryValues Values;
        std::vector<double> Rates;  // at 350, 1000, 1400, 1650 and 2000 1/s
    };
    const Case cases[] = {
        {{536, 160, 716, 160, 1095, 312, 1125, 312, 1154, 312, 1183, 312},
         {45.25410790795849, 45.23256730282082, 45.18031940727359, 45.14695718832115,
          45.117754021253255}},
        {{496, 30, 676, 50, 576, 210, 776, 130, 896, 270, 966, 20},
         {59.77969686843804, 59.63231377346884, 59.40278899470401, 59.3950787911286,
          59.53891426693433}},
        {{1121, 119, 836, 210, 616, 200, 666, 220, 1154, 312, 1183, 312},
         {20.468403217782964, 20.468403217782964, 20.468403217782964, 20.468403217782964,
          20.468403217782964}},
    };
    FieldEvaluator evaluator;
    for (const Case& c : cases) {
        std::vector<double> rates;
        std::string error;
        ASSERT_TRUE(evaluator.Rates(c.Values, {350, 1000, 1400, 1650, 2000}, rates, error));
        ASSERT_EQ(rates.size(), 5u);
        for (std::size_t k = 0; k < 5; ++k) {
            EXPECT_NEAR(rates[k], c.Rates[k], c.Rates[k] * 1e-9) << k;
        }
    }
    // A field without its detector cannot be measured; the window's message says why.
    std::vector<double> rates;
    std::string error;
    EXPECT_FALSE(evaluator.Rates({536, 160, 1123, 215, 1095, 312, 1125, 312, 1154, 312, 1183, 312},
                                 {100}, rates, error));
    EXPECT_EQ(error, "Nincs detektor a mérőhelyen");
}

// A well-formed file as the program writes it, with either line end.
TEST(ReadResultFile, TakesTheProgramsOwnLayout) {
    const std::string crlf =
        "Faktor=        200\r\n"
        "       100,      52317\r\n"
        "       600,      52188\r\n"
        "      1100,      51002\r\n"
        "      1600,      50011\r\n"
        "      2100,      52530\r\n";
    ResultReadout r = ReadResultFile(crlf);
    ASSERT_TRUE(r.Series.has_value()) << r.FailedLine << ": " << r.Reason;
    EXPECT_EQ(r.Series->Factor, 200);
    EXPECT_EQ(r.Series->Step, 500);
    ASSERT_EQ(r.Series->Points.size(), 5u);
    EXPECT_EQ(r.Series->Points[4].Setpoint, 2100);
    EXPECT_EQ(r.Series->Points[4].Counts, 52530);
    EXPECT_TRUE(r.Series->Complete());

    std::string lf = crlf;
    for (std::size_t at; (at = lf.find('\r')) != std::string::npos;) {
        lf.erase(at, 1);
    }
    r = ReadResultFile(lf.substr(0, lf.rfind("      1600")));
    ASSERT_TRUE(r.Series.has_value());
    EXPECT_FALSE(r.Series->Complete());
    EXPECT_EQ(r.Series->LastSetpoint(), 2100);

    // The exact mode's negative factor; a series broken off before its first point.
    r = ReadResultFile("Faktor=  -10000000\r\n");
    ASSERT_TRUE(r.Series.has_value());
    EXPECT_TRUE(r.Series->Exact());
    EXPECT_TRUE(r.Series->Points.empty());
}

TEST(ReadResultFile, NamesTheLineOfEveryFlaw) {
    const std::string head = "Faktor=        200\r\n       100,      52317\r\n";
    struct Flawed {
        std::string Content;
        int Line;
        std::string Reason;
    };
    const Flawed cases[] = {
        {"", 1, "üres fájl"},
        {"Factor=        200\r\n", 1, "nem „Faktor= <egész szám>” alakú, ahogy a program írja"},
        {"Faktor=200\r\n", 1, "nem „Faktor= <egész szám>” alakú, ahogy a program írja"},
        {"Faktor=        200 \r\n", 1, "nem „Faktor= <egész szám>” alakú, ahogy a program írja"},
        {"Faktor= 99999999999\r\n", 1, "nem „Faktor= <egész szám>” alakú, ahogy a program írja"},
        {"Faktor=          0\r\n       100,          5\r\n", 2,
         "a Faktor 0: így a program nem számol beütést"},
        {"Faktor=  \r     200\r\n", 1, "a sorvég nem CR LF vagy LF"},
        {head + "150, 52188\r\n", 3, "nem „alapjel, beütésszám” alakú, ahogy a program írja"},
        {head + "       150;      52188\r\n", 3,
         "nem „alapjel, beütésszám” alakú, ahogy a program írja"},
        {head + "       150,      5x188\r\n", 3,
         "nem „alapjel, beütésszám” alakú, ahogy a program írja"},
        {head + "\r\n", 3, "nem „alapjel, beütésszám” alakú, ahogy a program írja"},
        {head + "       150,      52188", 3, "a sor vége hiányzik (csonka fájl)"},
        {"Faktor=        200\r\n       150,      52317\r\n", 2, "az első alapjel 150, nem 100"},
        {head + "        50,      52188\r\n", 3, "a második alapjel (50) nem nagyobb az elsőnél"},
        {head + "       150,      52188\r\n       250,      52188\r\n", 4,
         "az alapjel 250, a sorozatban itt 200 következik"},
        {head + "      1000,      52188\r\n      1900,      52188\r\n      2800,          1\r\n"
                "      3700,      52188\r\n",
         6, "a sorozat 2800 1/s-os utolsó pontja után még sor következik"},
        {head + "       150,         -1\r\n", 3, "negatív beütésszám"},
        {std::string("Faktor=        200\r\n\x01\xff\xfe\x00 junk\r\n", 31), 2,
         "nem „alapjel, beütésszám” alakú, ahogy a program írja"},
    };
    for (const Flawed& f : cases) {
        const ResultReadout r = ReadResultFile(f.Content);
        EXPECT_FALSE(r.Series.has_value()) << f.Content;
        EXPECT_EQ(r.FailedLine, f.Line) << f.Content;
        EXPECT_EQ(r.Reason, f.Reason) << f.Content;
    }
    // A file that goes on beyond what is read is too large, at the first line not read whole.
    const ResultReadout big = ReadResultFile(head + "       150,      52", true);
    EXPECT_EQ(big.FailedLine, 3);
    EXPECT_EQ(big.Reason, "a fájl túl nagy");
}

}  // namespace
}  // namespace sim
