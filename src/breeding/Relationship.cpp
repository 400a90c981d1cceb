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

Lineage::Node& Lineage::NodeOf(int id) {
    if (const auto found = m_nodes.find(id); found != m_nodes.end())
        return found->second;
    const PigeonRecord& bird = Find(id);
    Node node;
    node.sire = Find(bird.idSire).id;
    node.dam = Find(bird.idDam).id;
    return m_nodes.emplace(id, node).first->second;
}

// Depth first, without recursion (a recorded line may be thousands of birds long). A parent met
// again on the way up closes a loop: it is noted and that link is not followed.
int Lineage::Height(int id) {
    if (id <= 0)
        return 0;
    if (const Node& node = NodeOf(id); node.height >= 0)
        return node.height;
    std::vector<int> path{id};
    while (!path.empty()) {
        Node& node = NodeOf(path.back());
        node.onPath = true;
        bool climbed = false;
        for (int* parent : {&node.sire, &node.dam}) {
            if (*parent == 0)
                continue;
            const Node& above = NodeOf(*parent);
            if (above.height >= 0)
                continue;
            if (above.onPath) {
                if (std::find(m_loops.begin(), m_loops.end(), *parent) == m_loops.end())
                    m_loops.push_back(*parent);
                *parent = 0;
                continue;
            }
            path.push_back(*parent);
            climbed = true;
            break;
        }
        if (climbed)
            continue;
        const int sireHeight = node.sire ? NodeOf(node.sire).height : 0;
        const int damHeight = node.dam ? NodeOf(node.dam).height : 0;
        node.height = 1 + std::max(sireHeight, damHeight);
        node.onPath = false;
        path.pop_back();
    }
    return NodeOf(id).height;
}

int Lineage::Sire(int id) {
    Height(id);
    return id > 0 ? NodeOf(id).sire : 0;
}

int Lineage::Dam(int id) {
    Height(id);
    return id > 0 ? NodeOf(id).dam : 0;
}

// The tabular recursion, which sums exactly Wright's paths: the younger bird (one that cannot
// be an ancestor of the other) steps up to its parents until both lines stand on one bird.
// a and b are the generations each line may still climb.
double Lineage::Coancestry(int x, int a, int y, int b) {
    if (x <= 0 || y <= 0 || a < 0 || b < 0)
        return 0;
    if (x == y)
        return 0.5 * (1 + InbreedingWithin(x, std::max(a, b)));
    if (x > y) {
        std::swap(x, y);
        std::swap(a, b);
    }
    const Key key{x, y, a, b};
    if (const auto found = m_coancestry.find(key); found != m_coancestry.end())
        return found->second;
    double value = 0;
    if (Height(x) > Height(y)) {
        if (a > 0)
            value = 0.5 * (Coancestry(Sire(x), a - 1, y, b) + Coancestry(Dam(x), a - 1, y, b));
    } else if (b > 0) {
        value = 0.5 * (Coancestry(x, a, Sire(y), b - 1) + Coancestry(x, a, Dam(y), b - 1));
    }
    m_coancestry.emplace(key, value);
    return value;
}

double Lineage::InbreedingWithin(int id, int generations) {
    if (id <= 0 || generations < 1)
        return 0;
    const Key key{id, 0, generations, 0};
    if (const auto found = m_inbreeding.find(key); found != m_inbreeding.end())
        return found->second;
    const double value = Coancestry(Sire(id), generations - 1, Dam(id), generations - 1);
    m_inbreeding.emplace(key, value);
    return value;
}

double Lineage::Inbreeding(int id) {
    return InbreedingWithin(id, m_depth);
}

double Lineage::MatingInbreeding(int sire, int dam) {
    return Coancestry(sire, m_depth - 1, dam, m_depth - 1);
}

double Lineage::Relationship(int a, int b) {
    if (a <= 0 || b <= 0)
        return 0;
    const double f = Coancestry(a, m_depth, b, m_depth);
    return 2 * f / std::sqrt((1 + Inbreeding(a)) * (1 + Inbreeding(b)));
}

std::vector<int> Lineage::LoopsAbove(int sire, int dam) {
    Height(sire);
    Height(dam);
    std::unordered_set<int> seen;
    std::vector<int> generation;
    for (int id : {sire, dam})
        if (id > 0 && seen.insert(id).second)
            generation.push_back(id);
    for (int n = 1; n < m_depth && !generation.empty(); ++n) {
        std::vector<int> next;
        for (int id : generation)
            for (int parent : {Sire(id), Dam(id)})
                if (parent > 0 && seen.insert(parent).second)
                    next.push_back(parent);
        generation = std::move(next);
    }
    std::vector<int> loops;
    for (int id : m_loops)
        if (seen.count(id))
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
    if (sire <= 0 || dam <= 0 || sire == dam)
        return report;

    struct Carried {
        double weight = 0;
        double paths = 0;
    };
    std::unordered_map<Key, Carried, KeyHash> waiting;
    // The older lines come later: every step lowers the sum of the two heights.
    std::priority_queue<std::pair<int, Key>, std::vector<std::pair<int, Key>>,
                        bool (*)(const std::pair<int, Key>&, const std::pair<int, Key>&)>
        queue([](const std::pair<int, Key>& l, const std::pair<int, Key>& r) {
            return l.first < r.first;
        });
    const auto carry = [&](const Key& key, double weight, double paths) {
        if (key.x <= 0 || key.y <= 0 || key.a < 0 || key.b < 0)
            return;
        auto [at, fresh] = waiting.try_emplace(key);
        at->second.weight += weight;
        at->second.paths += paths;
        if (fresh)
            queue.emplace(Height(key.x) + Height(key.y), key);
    };
    std::map<int, CommonAncestor> found;
    std::map<int, std::pair<std::set<int>, std::set<int>>> generations;
    carry({sire, dam, m_depth - 1, m_depth - 1}, 1, 1);
    while (!queue.empty()) {
        const Key key = queue.top().second;
        queue.pop();
        const auto node = waiting.extract(key);
        const Carried carried = node.mapped();
        const auto [x, y, a, b] = key;
        if (x == y) {
            CommonAncestor& ancestor = found[x];
            ancestor.id = x;
            ancestor.inbreeding = InbreedingWithin(x, std::max(a, b));
            ancestor.share += carried.weight * 0.5 * (1 + ancestor.inbreeding);
            ancestor.paths += carried.paths;
            generations[x].first.insert(m_depth - a);
            generations[x].second.insert(m_depth - b);
            continue;
        }
        const double half = carried.weight / 2;
        if (Height(x) > Height(y)) {
            if (a > 0)
                for (int parent : {Sire(x), Dam(x)})
                    carry({parent, y, a - 1, b}, half, carried.paths);
        } else if (b > 0) {
            for (int parent : {Sire(y), Dam(y)})
                carry({x, parent, a, b - 1}, half, carried.paths);
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
