// SPDX-License-Identifier: MIT
// Reduces the token lists of one (sub)expression to a number, level by level.
//
// Every level is one pass from left to right that moves the lists into new ones. "Take the leftmost
// operator of this level and combine" never changes what lies left of that operator, so a pass that
// reduces as it goes performs the same operations in the same order, in linear time.
#include "VYXEvaluator.h"

#include "VYXExceptions.h"
#include "VYXFunctCalc.h"
#include "VYXFunctSupport.h"
#include "VYXListArithmetic.h"
#include "VYXNumUni.h"

#include <algorithm>
#include <iterator>
#include <optional>
#include <string>
#include <typeinfo>
#include <utility>

namespace {
std::string Text(std::string_view text) {
    return std::string(text);
}

[[noreturn]] void ThrowSyntaxError() {
    throw VYXExceptionNumberFormat("SYNTAX ERROR!!");
}

// An expression (or a run of signs and functions) whose first number is missing cannot begin
// with "*", "/" or an operator-function.
void CheckStartWithoutNumber(const VYXOperatorToken& first) {
    if (first.name == "*" || first.name == "/" || first.IsOperatorFunction()) {
        throw VYXExceptionFunction("ERROR!! AN EXPRESSION CANNOT START WITH " + Text(first.name) +
                                   "..");
    }
}

[[noreturn]] void ThrowPowerWithoutBase(std::string_view previous, std::string_view power) {
    throw VYXExceptionFunction("ERROR! " + Text(previous) + Text(power) + "??");
}

// Copies operator r and the number on its right (if the list has one) to `out`.
void PassThrough(VYXTokenList& in, size_t r, VYXTokenList& out) {
    out.operators.push_back(in.operators[r]);
    if (r + 1 < in.numbers.size()) {
        out.numbers.push_back(std::move(in.numbers[r + 1]));
    }
}

// Numbers beyond the last operator's right slot stay where they are.
void AppendLeftoverNumbers(VYXTokenList& in, VYXTokenList& out) {
    for (size_t k = in.operators.size() + 1; k < in.numbers.size(); ++k) {
        out.numbers.push_back(std::move(in.numbers[k]));
    }
}

VYXTokenList StartFrom(VYXTokenList& in) {
    VYXTokenList out;
    out.numbers.reserve(in.numbers.size());
    out.operators.reserve(in.operators.size());
    out.numbers.push_back(std::move(in.numbers.front()));
    return out;
}

// A level with no operator of its own would copy the lists unchanged; these tests let it return
// them as they are.
template <typename Predicate> bool AnyOperator(const VYXTokenList& list, Predicate predicate) {
    return std::any_of(list.operators.begin(), list.operators.end(), predicate);
}

bool HasPlaceholder(const VYXTokenList& list) {
    return std::any_of(list.numbers.begin(), list.numbers.end(),
                       [](const VYXNumPtr& number) { return !number; });
}

int IsComplexDouble(const VYXNum* number) {
    return number != nullptr && !IsExactlyRational(number) ? 1 : 0;
}
} // namespace

void ThrowMissingOperand(std::string_view op) {
    throw VYXExceptionFunction("ERROR!! MISSING OPERAND AFTER " + Text(op) + "!!");
}

VYXNumPtr VYXEvaluator::Apply(const VYXOperatorToken& op, VYXNum* first, VYXNum* second) const {
    VYXNumPtr result(m_functCalc.ApplyFunction(Text(op.name), first, second));
    if (!result) {
        ThrowMissingOperand(op.name);
    }
    return result;
}

VYXNumPtr VYXEvaluator::EvaluateTokens(VYXTokenList tokens) const {
    if (tokens.numbers.empty() || tokens.operators.empty()) {
        ThrowSyntaxError();
    }
    if (!tokens.numbers.front()) {
        CheckStartWithoutNumber(tokens.operators.front());
    }
    VYXTokenList list = ReduceOperatorFunctions(std::move(tokens));
    list = ReduceNamedFunctions(std::move(list));
    list = ApplySigns(std::move(list));
    int complexDoubleCount = 0;
    for (const VYXNumPtr& number : list.numbers) {
        complexDoubleCount += IsComplexDouble(number.get());
    }
    list = ReduceArithmetic(std::move(list), '*', '/', complexDoubleCount);
    list = ReduceArithmetic(std::move(list), '+', '-', complexDoubleCount);
    VYXNumPtr& result = list.numbers.front();
    if (!result) {
        ThrowSyntaxError();
    }
    if (complexDoubleCount == 0 || typeid(*result) == typeid(VYXNumUni)) {
        return std::move(result);
    }
    // One number of the list was complex-double, so the result is one as well.
    return ToComplexDouble(*result);
}

VYXTokenList VYXEvaluator::ReduceOperatorFunctions(VYXTokenList in) const {
    if (!AnyOperator(in, [](const VYXOperatorToken& op) { return op.IsOperatorFunction(); })) {
        return in;
    }
    // A power whose exponent begins with a sign or a function (2^-3, 2^SIN30): the exponent's
    // tokens are collected up to its first number and evaluated as a run of their own.
    struct PendingPower {
        size_t index;                  // of the power in out.operators
        bool reachedOperand = false;   // the exponent's first number has been read
        bool hasNamedFunction = false; // the exponent contains a function such as SIN
    };
    std::vector<VYXNumPtr>& nums = in.numbers;
    const std::vector<VYXOperatorToken>& ops = in.operators;
    VYXTokenList out = StartFrom(in);
    std::vector<PendingPower> pending;
    size_t r = 0;

    // Operator r is "^" or "~"; its left operand is the last number of `out`.
    const auto reduceInfix = [&] {
        const VYXOperatorToken& op = ops[r];
        if (r + 1 >= nums.size()) {
            ThrowMissingOperand(op.name);
        }
        if (nums[r + 1]) {
            VYXNumPtr& left = out.numbers.back();
            if (!left) {
                ThrowPowerWithoutBase(out.operators.empty() ? "" : out.operators.back().name,
                                      op.name);
            }
            left = Apply(op, left.get(), nums[r + 1].get());
            nums[r + 1].reset();
        } else {
            out.operators.push_back(op);
            out.numbers.push_back(nullptr);
            pending.push_back({out.operators.size() - 1});
        }
        ++r;
    };

    while (r < ops.size() || !pending.empty()) {
        if (!pending.empty() && !pending.back().reachedOperand) {
            if (r >= ops.size()) {
                ThrowMissingOperand(out.operators.back().name);
            }
            if (r + 1 >= nums.size()) {
                ThrowMissingOperand(ops[r].name);
            }
            PendingPower& power = pending.back();
            power.hasNamedFunction |= ops[r].kind == VYXOperatorKind::NamedFunction;
            PassThrough(in, r, out);
            power.reachedOperand = out.numbers.back() != nullptr;
            ++r;
        } else if (!pending.empty()) {
            if (r < ops.size() && pending.back().hasNamedFunction &&
                ops[r].kind == VYXOperatorKind::Infix) {
                // A function in the exponent takes the whole power that follows it
                // (2^SIN3^2 is 2^SIN(3^2)), so that later power is reduced first.
                reduceInfix();
            } else {
                const size_t index = pending.back().index;
                pending.pop_back();
                ClosePendingPower(out, index);
            }
        } else if (ops[r].kind == VYXOperatorKind::Postfix) {
            const VYXOperatorToken& op = ops[r];
            VYXNumPtr& left = out.numbers.back();
            if (!left) {
                throw VYXExceptionFunction("ERROR! " + Text(op.name) + "??");
            }
            if (r + 1 < nums.size() && nums[r + 1]) {
                throw VYXExceptionFunction("ERROR! " + left->GetValue() + nums[r + 1]->GetValue() +
                                           "??");
            }
            left = Apply(op, left.get(), nullptr);
            ++r; // the placeholder after a postfix operator goes with it
        } else if (ops[r].kind == VYXOperatorKind::Infix) {
            reduceInfix();
        } else {
            PassThrough(in, r, out);
            ++r;
        }
    }
    AppendLeftoverNumbers(in, out);
    return out;
}

void VYXEvaluator::ClosePendingPower(VYXTokenList& out, size_t powerIndex) const {
    VYXTokenList run;
    run.numbers.assign(std::make_move_iterator(out.numbers.begin() + powerIndex + 1),
                       std::make_move_iterator(out.numbers.end()));
    run.operators.assign(out.operators.begin() + powerIndex + 1, out.operators.end());
    out.numbers.resize(powerIndex + 1);
    out.operators.resize(powerIndex + 1);
    const VYXNumPtr exponent = EvaluateRun(std::move(run));
    VYXNumPtr& base = out.numbers.back();
    const VYXOperatorToken power = out.operators.back();
    if (!base) {
        ThrowPowerWithoutBase(powerIndex > 0 ? out.operators[powerIndex - 1].name : "", power.name);
    }
    base = Apply(power, base.get(), exponent.get());
    out.operators.pop_back();
}

VYXTokenList VYXEvaluator::ReduceNamedFunctions(VYXTokenList in) const {
    if (!AnyOperator(in, [](const VYXOperatorToken& op) {
            return op.kind == VYXOperatorKind::NamedFunction;
        })) {
        return in;
    }
    std::vector<VYXNumPtr>& nums = in.numbers;
    const std::vector<VYXOperatorToken>& ops = in.operators;
    VYXTokenList out = StartFrom(in);
    size_t r = 0;
    while (r < ops.size()) {
        if (ops[r].kind != VYXOperatorKind::NamedFunction) {
            PassThrough(in, r, out);
            ++r;
            continue;
        }
        // Functions written one after another (SINCOS30) form a chain ops[r..last]; the innermost
        // one is applied first.
        size_t last = r;
        size_t operandIndex = 0;
        VYXNumPtr operand;
        while (!operand) {
            if (last + 1 >= nums.size()) {
                ThrowMissingOperand(ops[last].name);
            }
            if (nums[last + 1]) {
                operandIndex = last + 1;
                operand = std::move(nums[operandIndex]);
            } else if (last + 1 >= ops.size()) {
                ThrowMissingOperand(ops[last].name);
            } else if (ops[last + 1].kind == VYXOperatorKind::NamedFunction) {
                ++last;
            } else {
                // A sign comes first (SIN-30): the run up to the next number is evaluated alone.
                operandIndex = last + 2;
                while (operandIndex < nums.size() && !nums[operandIndex]) {
                    ++operandIndex;
                }
                if (operandIndex >= nums.size()) {
                    ThrowMissingOperand(ops.back().name);
                }
                VYXTokenList run;
                run.numbers.assign(std::make_move_iterator(nums.begin() + last + 1),
                                   std::make_move_iterator(nums.begin() + operandIndex + 1));
                run.operators.assign(ops.begin() + last + 1, ops.begin() + operandIndex);
                operand = EvaluateRun(std::move(run));
            }
        }
        for (size_t k = last + 1; k-- > r;) {
            operand = Apply(ops[k], operand.get(), nullptr);
        }
        out.numbers.back() = std::move(operand); // the chain's left slot, normally a placeholder
        r = operandIndex;
    }
    AppendLeftoverNumbers(in, out);
    return out;
}

VYXTokenList VYXEvaluator::ApplySigns(VYXTokenList in) {
    // A sign is an operator whose left number is a placeholder.
    if (!HasPlaceholder(in)) {
        return in;
    }
    VYXTokenList out = StartFrom(in);
    for (size_t r = 0; r < in.operators.size(); ++r) {
        out.operators.push_back(in.operators[r]);
        if (r + 1 >= in.numbers.size()) {
            continue;
        }
        VYXNumPtr number = std::move(in.numbers[r + 1]);
        // Signs before a number apply from the innermost outwards: --3 is 3.
        while (number && !out.numbers.empty() && !out.numbers.back() &&
               out.operators.size() == out.numbers.size()) {
            number = ApplySign(out.operators.back().name, std::move(number));
            out.operators.pop_back();
            out.numbers.pop_back();
        }
        out.numbers.push_back(std::move(number));
    }
    AppendLeftoverNumbers(in, out);
    return out;
}

VYXTokenList VYXEvaluator::ReduceArithmetic(VYXTokenList in, char first, char second,
                                            int& complexDoubleCount) {
    const auto ofThisLevel = [first, second](const VYXOperatorToken& op) {
        return op.kind == VYXOperatorKind::Arithmetic && op.name.size() == 1 &&
               (op.name.front() == first || op.name.front() == second);
    };
    if (!AnyOperator(in, ofThisLevel)) {
        return in;
    }
    // Reduced in place: the lists are compacted as they are read, and the write positions never
    // pass the read positions (`numbers[keptNumbers - 1]` is the last number kept).
    std::vector<VYXNumPtr>& numbers = in.numbers;
    std::vector<VYXOperatorToken>& operators = in.operators;
    const size_t operatorCount = operators.size();
    size_t keptNumbers = 1;
    size_t keptOperators = 0;
    const auto keepNumber = [&](size_t k) {
        if (keptNumbers != k) {
            numbers[keptNumbers] = std::move(numbers[k]);
        }
        ++keptNumbers;
    };
    for (size_t r = 0; r < operatorCount; ++r) {
        const VYXOperatorToken op = operators[r];
        if (!ofThisLevel(op)) {
            operators[keptOperators++] = op;
            if (r + 1 < numbers.size()) {
                keepNumber(r + 1);
            }
            continue;
        }
        if (r + 1 >= numbers.size()) {
            ThrowSyntaxError();
        }
        VYXNumPtr& left = numbers[keptNumbers - 1];
        const VYXNumPtr right = std::move(numbers[r + 1]);
        if (!left || !right) {
            ThrowMissingOperand(op.name);
        }
        const char symbol = op.name.front();
        const int complexBefore = IsComplexDouble(left.get()) + IsComplexDouble(right.get());
        CombineInto(symbol, left, *right, complexDoubleCount == 0);
        complexDoubleCount += IsComplexDouble(left.get()) - complexBefore;
    }
    // Numbers beyond the last operator's right slot stay where they are.
    for (size_t k = operatorCount + 1; k < numbers.size(); ++k) {
        keepNumber(k);
    }
    numbers.resize(keptNumbers);
    operators.resize(keptOperators);
    return in;
}

VYXNumPtr VYXEvaluator::EvaluateRun(VYXTokenList run) const {
    // A run is a list whose only number is its last one: signs, functions and perhaps
    // operator-functions in front of one operand (the exponent of 2^-SIN30, the operand of
    // SIN-COS30). Evaluating it as a list of its own would recurse once per nested run; this
    // loop produces the same results and messages in the same order without recursion.
    const std::vector<VYXOperatorToken>& ops = run.operators;
    const size_t count = ops.size();
    VYXNumPtr value = std::move(run.numbers.back());

    // Operator-functions: each "^" or "~" here has no left operand. Its exponent (the tokens
    // after it) is still evaluated first, and may fail first.
    size_t start = 0;
    std::optional<size_t> powerWithoutBase;
    while (true) {
        CheckStartWithoutNumber(ops[start]);
        size_t w = start;
        while (w < count && !ops[w].IsOperatorFunction()) {
            ++w;
        }
        if (w == count) {
            break;
        }
        if (ops[w].kind == VYXOperatorKind::Postfix) {
            throw VYXExceptionFunction("ERROR! " + Text(ops[w].name) + "??");
        }
        if (w + 1 == count) {
            ThrowPowerWithoutBase(ops[w - 1].name, ops[w].name);
        }
        powerWithoutBase = w;
        start = w + 1;
    }

    // Named functions and signs: [signs][functions] segments, where every segment after the
    // first begins with the sign that follows a function and is a run of its own (SIN-COS-30).
    struct Segment {
        size_t signBegin;
        size_t functionBegin;
        size_t functionEnd;
    };
    std::vector<Segment> segments;
    for (size_t s = start;;) {
        size_t v = s;
        while (v < count && ops[v].kind != VYXOperatorKind::NamedFunction) {
            ++v;
        }
        size_t e = v;
        while (e < count && ops[e].kind == VYXOperatorKind::NamedFunction) {
            ++e;
        }
        segments.push_back({s, v, e});
        if (e == count) {
            break;
        }
        s = e;
        CheckStartWithoutNumber(ops[s]);
    }
    for (auto segment = segments.rbegin(); segment != segments.rend(); ++segment) {
        for (size_t k = segment->functionEnd; k-- > segment->functionBegin;) {
            value = Apply(ops[k], value.get(), nullptr);
        }
        for (size_t k = segment->functionBegin; k-- > segment->signBegin;) {
            value = ApplySign(ops[k].name, std::move(value));
        }
    }
    if (powerWithoutBase) {
        ThrowPowerWithoutBase(ops[*powerWithoutBase - 1].name, ops[*powerWithoutBase].name);
    }
    return value;
}
