#include "state/number.h"

#include <cmath>
#include <limits>
#include <stdexcept>

#include <gtest/gtest.h>

namespace zekra {
namespace {

using Type = Number::Type;

TEST(Number, EmptyReadsAsZero) {
  const Number empty;
  EXPECT_TRUE(empty.isEmpty());
  EXPECT_EQ(empty.value(), 0.0);
  EXPECT_TRUE(empty == 0.0);
  EXPECT_TRUE(empty < 1.0);
  EXPECT_FALSE(empty < 0.0);
}

TEST(Number, ResultTypesFollowTheWiderOperand) {
  const Number empty;
  const Number integer = Number::ofInteger(3);
  const Number whole = Number::ofLong(70000);
  const Number single = Number::ofSingle(0.5F);
  const Number real = Number::ofDouble(0.25);
  struct Case {
    Number a, b;
    Type expected;
  };
  const Case cases[] = {
      {empty, empty, Type::Integer},
      {empty, integer, Type::Integer},
      {single, empty, Type::Single},
      {integer, whole, Type::Long},
      {integer, single, Type::Single},
      {whole, single, Type::Double},
      {single, whole, Type::Double},
      {integer, real, Type::Double},
      {single, real, Type::Double},
      {empty, real, Type::Double},
      {whole, Number::ofLong(-3), Type::Long},
  };
  for (const Case& c : cases) {
    EXPECT_EQ((c.a + c.b).type(), c.expected)
        << typeName(c.a.type()) << "+" << typeName(c.b.type());
    EXPECT_EQ((c.a - c.b).type(), c.expected);
    EXPECT_EQ((c.a * c.b).type(), c.expected);
  }
}

TEST(Number, MoneyBecomesADoubleOnceADoubleCostIsTaken) {
  Number money = Number::ofWhole(1000);
  EXPECT_EQ(money.type(), Type::Integer);
  money -= Number::ofDouble(250);
  EXPECT_EQ(money.type(), Type::Double);
  EXPECT_EQ(money.value(), 750.0);
}

TEST(Number, PrizeBecomesALongOnceALongPrizeIsAdded) {
  Number prize;
  prize += Number::ofLong(150000);
  EXPECT_EQ(prize, Number::ofLong(150000));
}

TEST(Number, WholeResultsWidenInsteadOfOverflowing) {
  EXPECT_EQ(Number::ofInteger(32767) + Number::ofInteger(1), Number::ofLong(32768));
  EXPECT_EQ(Number::ofInteger(-32768) - Number::ofInteger(1), Number::ofLong(-32769));
  EXPECT_EQ(-Number::ofInteger(-32768), Number::ofLong(32768));
  EXPECT_EQ(Number::ofLong(std::numeric_limits<std::int32_t>::max()) + Number::ofInteger(1),
            Number::ofDouble(2147483648.0));
  EXPECT_EQ(Number::ofWhole(40000), Number::ofLong(40000));
  EXPECT_EQ(Number::ofWhole(5000000000LL), Number::ofDouble(5e9));
}

TEST(Number, SingleArithmeticStaysInSinglePrecision) {
  const Number sum = Number::ofSingle(0.1F) + Number::ofInteger(1);
  EXPECT_EQ(sum, Number::ofSingle(0.1F + 1.0F));
  const Number product = Number::ofSingle(0.1F) * Number::ofSingle(3.0F);
  EXPECT_EQ(product.singleValue(), 0.1F * 3.0F);
}

TEST(Number, DivisionNeverStaysWhole) {
  EXPECT_EQ(Number::ofInteger(7) / Number::ofInteger(2), Number::ofDouble(3.5));
  EXPECT_EQ(Number::ofSingle(1) / Number::ofInteger(4), Number::ofSingle(0.25F));
  EXPECT_EQ(Number::ofLong(1) / Number::ofSingle(4), Number::ofDouble(0.25));
  EXPECT_THROW(Number::ofInteger(1) / Number(), std::domain_error);
}

TEST(Number, IdentityComparesTypeAndValue) {
  EXPECT_FALSE(Number::ofInteger(1) == Number::ofLong(1));
  EXPECT_TRUE(Number::ofInteger(1) == 1.0);
  EXPECT_TRUE(Number::ofLong(1) == 1.0);
  EXPECT_FALSE(Number() == Number::ofInteger(0));
}

TEST(NumberText, PlainAndStrForms) {
  struct Case {
    Number number;
    const char* plain;
    const char* str;
  };
  const Case cases[] = {
      {Number(), "", " 0"},
      {Number::ofInteger(0), "0", " 0"},
      {Number::ofInteger(1000), "1000", " 1000"},
      {Number::ofInteger(-5), "-5", "-5"},
      {Number::ofLong(1234567), "1234567", " 1234567"},
      {Number::ofDouble(750), "750", " 750"},
      {Number::ofDouble(-12.5), "-12.5", "-12.5"},
      {Number::ofDouble(0.1 + 0.2), "0.3", " 0.3"},
      {Number::ofDouble(123456789012345.0), "123456789012345", " 123456789012345"},
      {Number::ofDouble(1.0 / 3.0), "0.333333333333333", " 0.333333333333333"},
      {Number::ofDouble(0.0001), "0.0001", " 0.0001"},
      {Number::ofSingle(0.1F), "0.1", " 0.1"},
      {Number::ofSingle(1234567.0F), "1234567", " 1234567"},
      {Number::ofSingle(2.0F / 3.0F), "0.6666667", " 0.6666667"},
      {Number::ofSingle(12345678.0F), "1.234568E+07", " 1.234568E+07"},
      {Number::ofDouble(std::nan("")), "NaN", " NaN"},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(plainText(c.number), c.plain) << c.str;
    EXPECT_EQ(Str(c.number), c.str);
  }
  EXPECT_EQ(Str(50), " 50");
  EXPECT_EQ(Str(-1), "-1");
  EXPECT_EQ(Str(0), " 0");
}

}  // namespace
}  // namespace zekra
