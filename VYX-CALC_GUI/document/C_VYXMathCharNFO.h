// SPDX-License-Identifier: MIT
// C_VYXMathCharNFO: the math palette's record, which has no state of its own.
#pragma once

class C_VYXArchive;

/// Empty settings record of the math palette; kept so that every palette has a record to
/// refresh from. It is never written to documents.
class C_VYXMathCharNFO {
public:
    /// Writes and reads nothing.
    void Serialize(C_VYXArchive&) {}
};
