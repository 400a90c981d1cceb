// SPDX-License-Identifier: GPL-3.0-or-later
#include "breeding/Relationship.h"

#include "storage/AppData.h"
#include "storage/DbSession.h"
#include "storage/Formatting.h"
#include "storage/InstallDir.h"

#include <QFile>
#include <QScopeGuard>
#include <queue>

#include <algorithm>
#include <cmath>
#include <set>
#include <unordered_set>

using namespace Qt::StringLiterals;

Lineage::Lineage(const AppData& data, int depth)
    : m_data(data)
    , m_depth(std::clamp(depth, 1, kMaxDepth)) {}

const PigeonRecord& Lineage::Find(int id) {
    static const PigeonRecord kEmpty;
    if (id <= 0)
        return kEmpty;
    if (const PigeonRecord& loaded = m_data.FindPigeon(id); loaded.id == id)
        return loaded;
    ReadOtherLofts();
    const auto found = m_otherLofts.find(id);
    return found == m_otherLofts.end() ? kEmpty : found->second;
}

// The loaded map holds the current loft only; a line that leaves it is read from the file, once.
void Lineage::ReadOtherLofts() {
    if (m_otherLoftsRead)
        return;
    m_otherLoftsRead = true;
    const QString path = PigeonsDbPath();
    if (!QFile::exists(path))
        return;
    DbSession session;
    const auto close = qScopeGuard([&session] { session.Close(); });
    if (!session.Open(path) || !session.Query(u"SELECT * FROM pigeons;"_s))
        return;
    for (; session.HasRow(); session.Next()) {
        const int id = session.Int(0);
        if (m_data.pigeons.count(id))
            continue;
        PigeonRecord bird;
        bird.id = id;
        bird.idLoft = session.Int(1);
        bird.name = session.Text(2);
        bird.country = session.Text(3);
        bird.branch = session.Text(4);
        bird.year = session.Text(5);
        bird.ringNumber = session.Text(6);
        bird.idDam = session.Int(9);
        bird.idSire = session.Int(10);
        bird.idColour = session.Int(16);
        bird.sex = session.Int(17);
        bird.BandLabel = BandLabel(bird);
        m_otherLofts.insert_or_assign(id, std::move(bird));
    }
}

int Lineage::IndexOf(int id) {
    if (id <= 0)
        return -1;
    if (const auto found = m_index.find(id); found != m_index.end())
        return found->second;
    const PigeonRecord& bird = Find(id);
    int index = -1;
    if (bird.id == id) {
        index = int(m_nodes.size());
        Node node;
        node.id = id;
        node.sireId = bird.idSire;
        node.damId = bird.idDam;
        m_nodes.push_back(node);
    }
    m_index.emplace(id, index);
    return index;
}

// Depth first, without recursion (a recorded line may be thousands of birds long). A parent met
// again on the way up closes a loop: it is noted and that link is not followed.
int Lineage::Height(int index) {
    if (index < 0)
        return 0;
    if (m_nodes[size_t(index)].height >= 0)
        return m_nodes[size_t(index)].height;
    std::vector<int> path{index};
    while (!path.empty()) {
        const int at = path.back();
        m_nodes[size_t(at)].onPath = true;
        bool climbed = false;
        for (const bool sire : {true, false}) {
            const int parentId = sire ? m_nodes[size_t(at)].sireId : m_nodes[size_t(at)].damId;
            const int parent = IndexOf(parentId); // may grow m_nodes
            Node& node = m_nodes[size_t(at)];
            int& link = sire ? node.sire : node.dam;
            link = parent;
            if (parent < 0 || m_nodes[size_t(parent)].height >= 0)
                continue;
            if (m_nodes[size_t(parent)].onPath) {
                if (std::find(m_loops.begin(), m_loops.end(), parentId) == m_loops.end())
                    m_loops.push_back(parentId);
                link = -1;
                (sire ? node.sireId : node.damId) = 0;
                continue;
            }
            path.push_back(parent);
            climbed = true;
            break;
        }
        if (climbed)
            continue;
        Node& node = m_nodes[size_t(at)];
        const int sireHeight = node.sire >= 0 ? m_nodes[size_t(node.sire)].height : 0;
        const int damHeight = node.dam >= 0 ? m_nodes[size_t(node.dam)].height : 0;
        node.height = 1 + std::max(sireHeight, damHeight);
        node.onPath = false;
        path.pop_back();
    }
    return m_nodes[size_t(index)].height;
}

int Lineage::Sire(int id) {
    const int index = IndexOf(id);
    Height(index);
    const int sire = index < 0 ? -1 : m_nodes[size_t(index)].sire;
    return sire < 0 ? 0 : m_nodes[size_t(sire)].id;
}

int Lineage::Dam(int id) {
    const int index = IndexOf(id);
    Height(index);
    const int dam = index < 0 ? -1 : m_nodes[size_t(index)].dam;
    return dam < 0 ? 0 : m_nodes[size_t(dam)].id;
}

// The tabular recursion, which sums exactly Wright's paths: the younger bird (one that cannot
// be an ancestor of the other) steps up to its parents until both lines stand on one bird.
// a and b are the generations each line may still climb. Heights are settled beforehand.
double Lineage::Coancestry(int x, int a, int y, int b) {
    if (x < 0 || y < 0 || a < 0 || b < 0)
        return 0;
    if (x == y)
        return 0.5 * (1 + InbreedingWithin(x, std::max(a, b)));
    if (x > y) {
        std::swap(x, y);
        std::swap(a, b);
    }
    const quint64 key = Key(x, a, y, b);
    if (const auto found = m_coancestry.find(key); found != m_coancestry.end())
        return found->second;
    const Node& nx = m_nodes[size_t(x)];
    const Node& ny = m_nodes[size_t(y)];
    double value = 0;
    if (nx.height > ny.height) {
        if (a > 0) {
            const int sire = nx.sire, dam = nx.dam;
            value = 0.5 * (Coancestry(sire, a - 1, y, b) + Coancestry(dam, a - 1, y, b));
        }
    } else if (b > 0) {
        const int sire = ny.sire, dam = ny.dam;
        value = 0.5 * (Coancestry(x, a, sire, b - 1) + Coancestry(x, a, dam, b - 1));
    }
    m_coancestry.emplace(key, value);
    return value;
}

double Lineage::InbreedingWithin(int index, int generations) {
    if (index < 0 || generations < 1)
        return 0;
    const quint64 key = Key(index, generations, 0, 0);
    if (const auto found = m_inbreeding.find(key); found != m_inbreeding.end())
        return found->second;
    const Node& node = m_nodes[size_t(index)];
    const double value = Coancestry(node.sire, generations - 1, node.dam, generations - 1);
    m_inbreeding.emplace(key, value);
    return value;
}

double Lineage::Inbreeding(int id) {
    const int index = IndexOf(id);
    Height(index);
    return InbreedingWithin(index, m_depth);
}

double Lineage::MatingInbreeding(int sire, int dam) {
    const int x = IndexOf(sire);
    const int y = IndexOf(dam);
    Height(x);
    Height(y);
    return Coancestry(x, m_depth - 1, y, m_depth - 1);
}

double Lineage::Relationship(int a, int b) {
    const int x = IndexOf(a);
    const int y = IndexOf(b);
    if (x < 0 || y < 0)
        return 0;
    Height(x);
    Height(y);
    const double f = Coancestry(x, m_depth, y, m_depth);
    return 2 * f /
           std::sqrt((1 + InbreedingWithin(x, m_depth)) * (1 + InbreedingWithin(y, m_depth)));
}

std::vector<int> Lineage::LoopsAbove(int sire, int dam) {
    std::unordered_set<int> seen;
    std::vector<int> generation;
    for (int id : {sire, dam}) {
        const int index = IndexOf(id);
        Height(index);
        if (index >= 0 && seen.insert(index).second)
            generation.push_back(index);
    }
    for (int n = 1; n < m_depth && !generation.empty(); ++n) {
        std::vector<int> next;
        for (int index : generation)
            for (int parent : {m_nodes[size_t(index)].sire, m_nodes[size_t(index)].dam})
                if (parent >= 0 && seen.insert(parent).second)
                    next.push_back(parent);
        generation = std::move(next);
    }
    std::vector<int> loops;
    for (int id : m_loops)
        if (seen.count(IndexOf(id)))
            loops.push_back(id);
    return loops;
}

// The same walk as Coancestry, forwards: each pair of lines carries its weight (1/2 per step)
// and its number of paths until the two lines meet, and the bird they meet in gets both.
MatingReport Lineage::Analyse(int sire, int dam) {
    MatingReport report;
    report.sire = sire;
    report.dam = dam;
    report.depth = m_depth;
    report.inbreeding = MatingInbreeding(sire, dam);
    report.relationship = Relationship(sire, dam);
    report.loops = LoopsAbove(sire, dam);
    const int x0 = IndexOf(sire);
    const int y0 = IndexOf(dam);
    if (x0 < 0 || y0 < 0 || x0 == y0)
        return report;

    struct Lines {
        int x, a, y, b;
    };
    struct Carried {
        Lines lines;
        double weight = 0;
        double paths = 0;
    };
    // Not normalised: x climbs the sire's side, y the dam's.
    std::unordered_map<quint64, Carried> waiting;
    // The older lines come later: every step lowers the sum of the two heights.
    std::priority_queue<std::pair<int, quint64>> queue;
    const auto carry = [&](Lines lines, double weight, double paths) {
        if (lines.x < 0 || lines.y < 0 || lines.a < 0 || lines.b < 0)
            return;
        const quint64 key = Key(lines.x, lines.a, lines.y, lines.b);
        auto [at, fresh] = waiting.try_emplace(key, Carried{lines});
        at->second.weight += weight;
        at->second.paths += paths;
        if (fresh)
            queue.emplace(m_nodes[size_t(lines.x)].height + m_nodes[size_t(lines.y)].height, key);
    };
    std::map<int, CommonAncestor> found;
    std::map<int, std::pair<std::set<int>, std::set<int>>> generations;
    carry({x0, m_depth - 1, y0, m_depth - 1}, 1, 1);
    while (!queue.empty()) {
        const quint64 key = queue.top().second;
        queue.pop();
        const Carried carried = waiting.extract(key).mapped();
        const auto [x, a, y, b] = carried.lines;
        const Node& nx = m_nodes[size_t(x)];
        const Node& ny = m_nodes[size_t(y)];
        if (x == y) {
            CommonAncestor& ancestor = found[nx.id];
            ancestor.id = nx.id;
            ancestor.inbreeding = InbreedingWithin(x, std::max(a, b));
            ancestor.share += carried.weight * 0.5 * (1 + ancestor.inbreeding);
            ancestor.paths += carried.paths;
            generations[nx.id].first.insert(m_depth - a);
            generations[nx.id].second.insert(m_depth - b);
            continue;
        }
        const double half = carried.weight / 2;
        if (nx.height > ny.height) {
            if (a > 0)
                for (int parent : {nx.sire, nx.dam})
                    carry({parent, a - 1, y, b}, half, carried.paths);
        } else if (b > 0) {
            for (int parent : {ny.sire, ny.dam})
                carry({x, a, parent, b - 1}, half, carried.paths);
        }
    }
    for (auto& [id, ancestor] : found) {
        const auto& [sireSide, damSide] = generations[id];
        ancestor.sireGenerations.assign(sireSide.begin(), sireSide.end());
        ancestor.damGenerations.assign(damSide.begin(), damSide.end());
        report.ancestors.push_back(std::move(ancestor));
    }
    std::stable_sort(
        report.ancestors.begin(), report.ancestors.end(),
        [](const CommonAncestor& l, const CommonAncestor& r) { return l.share > r.share; });
    return report;
}

QString PercentText(double fraction) {
    return QString::number(fraction * 100, 'f', 2);
}
