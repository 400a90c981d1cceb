// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "storage/Records.h"

#include <QString>

#include <map>
#include <unordered_map>
#include <vector>

class AppData;

// A common ancestor of a sire and a dam, as Wright's path method finds it.
struct CommonAncestor {
    int id = 0;
    /// Generations from the young (the parents are 1) at which it stands on each side.
    std::vector<int> sireGenerations;
    std::vector<int> damGenerations;
    double paths = 0;      // pairs of lines that meet only in it
    double inbreeding = 0; // its own F, over the generations the search reaches above it
    double share = 0;      // its part of the young's F
};

// What a test mating would give.
struct MatingReport {
    int sire = 0;
    int dam = 0;
    int depth = 0;
    double inbreeding = 0;                 // F of the young
    double relationship = 0;               // r of the two parents
    std::vector<CommonAncestor> ancestors; // the largest share first
    std::vector<int> loops;                // birds recorded as their own ancestors
};

// The recorded ancestry of the loaded loft, with parents from other lofts read from the file
// when a line leads there, and Wright's coefficients over it. Every figure looks at most
// `depth` generations up (the parents are generation 1); what lies beyond counts as unknown.
// Results are kept, so one object answers a whole list of pairs quickly; make a new one after
// the records change.
class Lineage {
public:
    static constexpr int kDefaultDepth = 10;
    static constexpr int kMaxDepth = 30;

    explicit Lineage(const AppData& data, int depth = kDefaultDepth);

    int Depth() const { return m_depth; }
    /// The bird with this id in the loaded loft or, failing that, in any loft of the file; an
    /// empty record when there is none.
    const PigeonRecord& Find(int id);
    /// The parents as followed: a parent missing from the files, or one that would close a loop,
    /// is 0.
    int Sire(int id);
    int Dam(int id);

    /// F of a recorded bird.
    double Inbreeding(int id);
    /// F of the young of a sire and a dam (their coancestry).
    double MatingInbreeding(int sire, int dam);
    /// Wright's coefficient of relationship: 2 f / sqrt((1 + F_a)(1 + F_b)).
    double Relationship(int a, int b);
    /// F of the young with every common ancestor, its paths and share, and the loops met.
    MatingReport Analyse(int sire, int dam);

private:
    // Birds are held by index; -1 is an unknown parent.
    struct Node {
        int id = 0;
        int sireId = 0;
        int damId = 0;
        int sire = -1; // set with the height, with any link that closes a loop left out
        int dam = -1;
        int height = -1; // generations above it to its oldest recorded ancestor
        bool onPath = false;
    };

    int IndexOf(int id);
    /// Also settles the parents' indexes of the bird and of every ancestor.
    int Height(int index);
    double InbreedingWithin(int index, int generations);
    double Coancestry(int x, int a, int y, int b);
    void ReadOtherLofts();
    std::vector<int> LoopsAbove(int sire, int dam);
    static quint64 Key(int x, int a, int y, int b) {
        return quint64(x) << 34 | quint64(y) << 10 | quint64(a) << 5 | quint64(b);
    }

    const AppData& m_data;
    int m_depth;
    bool m_otherLoftsRead = false;
    std::map<int, PigeonRecord> m_otherLofts;
    std::vector<Node> m_nodes;
    std::unordered_map<int, int> m_index; // pigeon id to index, -1 for an id with no record
    std::vector<int> m_loops;
    std::unordered_map<quint64, double> m_coancestry;
    std::unordered_map<quint64, double> m_inbreeding;
};

/// A figure as the lists show it: per cent with two decimals ("12.50").
QString PercentText(double fraction);
