#include "model/visitorder.h"

#include <algorithm>
#include <cmath>
#include <deque>
#include <numeric>
#include <utility>

#include "text/numtext.h"

namespace solvane {

namespace {

constexpr int NeighbourCount = 10;
constexpr int LongestMovedSegment = 3;  // Or-opt moves runs of 1 to 3 positions
constexpr int LongestKickSegment = 50;  // kicks exchange two nearby runs of up to this length
// A move must gain more than this (mm) to count: rounding noise must not make the search cycle.
constexpr double MinGainMm = 1e-9;

// Deterministic on every platform (the standard distributions are not).
class XorShift {
public:
    explicit XorShift(std::uint32_t seed) : state_(seed != 0 ? seed : 1u) {}
    // Uniform enough in [0, bound) for picking kick positions.
    int below(int bound)
    {
        state_ ^= state_ << 13;
        state_ ^= state_ >> 17;
        state_ ^= state_ << 5;
        return static_cast<int>(state_ % static_cast<std::uint32_t>(bound));
    }

private:
    std::uint32_t state_;
};

// Local search over an open path kept as an array (tour_) with each position's place in it (at_).
// Place 0 holds the fixed start and never moves; the last place has no successor.
class PathSearch {
public:
    explicit PathSearch(const std::vector<StagePosition>& positions)
        : positions_(positions), n_(static_cast<int>(positions.size())), queued_(positions.size(), false)
    {
        findNeighbours();
        nearestNeighbourTour();
    }

    std::vector<int> run(const PathSearchWork& work)
    {
        for (int city : tour_) enqueue(city);
        improve();
        if (n_ < 4) return tour_;
        std::vector<int> best = tour_;
        XorShift random(work.seed);
        const int kicks = std::max(work.minimumKicks, work.kicksPerPoint * n_);
        for (int kick = 0; kick < kicks; ++kick) {
            // Kicks are local, so only the changed places are copied to keep or to undo them.
            changedFrom_ = n_;
            changedTo_ = -1;
            const double change = doubleBridge(random) - improve();
            const auto from = tour_.begin() + changedFrom_;
            const auto to = tour_.begin() + changedTo_ + 1;
            if (change < -MinGainMm) {
                std::copy(from, to, best.begin() + changedFrom_);
            } else {
                std::copy(best.begin() + changedFrom_, best.begin() + changedTo_ + 1, from);
                reindex(changedFrom_, changedTo_);
            }
        }
        return best;
    }

private:
    double dist(int a, int b) const
    {
        const StagePosition& p = positions_[static_cast<std::size_t>(a)];
        const StagePosition& q = positions_[static_cast<std::size_t>(b)];
        return std::sqrt((p.x - q.x) * (p.x - q.x) + (p.y - q.y) * (p.y - q.y));
    }
    int city(int place) const { return tour_[static_cast<std::size_t>(place)]; }
    int place(int c) const { return at_[static_cast<std::size_t>(c)]; }
    int last() const { return n_ - 1; }
    const int* neighbours(int c) const { return &neighbours_[static_cast<std::size_t>(c * k_)]; }

    // The k nearest of every position, nearest first, by a sweep over the positions sorted by x: the
    // sweep stops once the x distance alone exceeds the k-th best so far.
    void findNeighbours()
    {
        k_ = std::min(NeighbourCount, n_ - 1);
        neighbours_.assign(static_cast<std::size_t>(n_ * k_), 0);
        std::vector<int> byX(static_cast<std::size_t>(n_));
        std::iota(byX.begin(), byX.end(), 0);
        std::sort(byX.begin(), byX.end(), [this](int a, int b) {
            return std::pair(positions_[static_cast<std::size_t>(a)].x, a) <
                   std::pair(positions_[static_cast<std::size_t>(b)].x, b);
        });
        std::vector<int> rank(static_cast<std::size_t>(n_));
        for (int r = 0; r < n_; ++r) rank[static_cast<std::size_t>(byX[static_cast<std::size_t>(r)])] = r;

        std::vector<std::pair<double, int>> heap;  // (squared distance, position), largest on top
        for (int a = 0; a < n_ && k_ > 0; ++a) {
            heap.clear();
            const StagePosition& p = positions_[static_cast<std::size_t>(a)];
            for (const int direction : {-1, 1}) {
                for (int r = rank[static_cast<std::size_t>(a)] + direction; r >= 0 && r < n_; r += direction) {
                    const int b = byX[static_cast<std::size_t>(r)];
                    const StagePosition& q = positions_[static_cast<std::size_t>(b)];
                    const double dx = q.x - p.x;
                    if (static_cast<int>(heap.size()) == k_ && dx * dx > heap.front().first) break;
                    const std::pair<double, int> candidate((q.y - p.y) * (q.y - p.y) + dx * dx, b);
                    if (static_cast<int>(heap.size()) < k_) {
                        heap.push_back(candidate);
                        std::push_heap(heap.begin(), heap.end());
                    } else if (candidate < heap.front()) {
                        std::pop_heap(heap.begin(), heap.end());
                        heap.back() = candidate;
                        std::push_heap(heap.begin(), heap.end());
                    }
                }
            }
            std::sort_heap(heap.begin(), heap.end());
            for (int i = 0; i < k_; ++i)
                neighbours_[static_cast<std::size_t>(a * k_ + i)] = heap[static_cast<std::size_t>(i)].second;
        }
    }

    // From position 0, always on to the nearest position not yet visited.
    void nearestNeighbourTour()
    {
        std::vector<bool> visited(static_cast<std::size_t>(n_), false);
        tour_.assign(1, 0);
        visited[0] = true;
        for (int step = 1; step < n_; ++step) {
            const int from = tour_.back();
            int next = -1;
            for (int i = 0; i < k_ && next < 0; ++i)
                if (!visited[static_cast<std::size_t>(neighbours(from)[i])]) next = neighbours(from)[i];
            // All neighbours taken: scan everything (rare once the tour is under way).
            if (next < 0) {
                for (int c = 0; c < n_; ++c)
                    if (!visited[static_cast<std::size_t>(c)] && (next < 0 || dist(from, c) < dist(from, next)))
                        next = c;
            }
            visited[static_cast<std::size_t>(next)] = true;
            tour_.push_back(next);
        }
        at_.assign(static_cast<std::size_t>(n_), 0);
        for (int i = 0; i < n_; ++i) at_[static_cast<std::size_t>(city(i))] = i;
    }

    void enqueue(int c)
    {
        if (c < 0 || queued_[static_cast<std::size_t>(c)]) return;
        queued_[static_cast<std::size_t>(c)] = true;
        queue_.push_back(c);
    }

    void reindex(int from, int to)
    {
        changedFrom_ = std::min(changedFrom_, from);
        changedTo_ = std::max(changedTo_, to);
        for (int i = from; i <= to; ++i) at_[static_cast<std::size_t>(city(i))] = i;
    }

    void reverse(int from, int to)
    {
        std::reverse(tour_.begin() + from, tour_.begin() + to + 1);
        reindex(from, to);
    }

    // Runs the moves until no queued position improves; returns the total gain in mm.
    double improve()
    {
        double gained = 0.0;
        while (!queue_.empty()) {
            const int c = queue_.front();
            queue_.pop_front();
            queued_[static_cast<std::size_t>(c)] = false;
            double gain = twoOpt(c);
            if (gain <= 0.0) gain = orOpt(c);
            if (gain > 0.0) {
                gained += gain;
                enqueue(c);
            }
        }
        return gained;
    }

    // Replaces the edge on one side of a and one edge near a neighbour c by the edge a-c and the
    // edge between the two freed ends, reversing the run between them. Returns the gain (0: none).
    double twoOpt(int a)
    {
        const int i = place(a);
        if (i < last()) {
            const int b = city(i + 1);
            const double ab = dist(a, b);
            for (int n = 0; n < k_; ++n) {
                const int c = neighbours(a)[n];
                const double ac = dist(a, c);
                if (ac >= ab) break;
                const int j = place(c);
                if (j > i + 1) {  // a b ... c d  ->  a c ... b d
                    const int d = j < last() ? city(j + 1) : -1;
                    const double gain = ab - ac + (d >= 0 ? dist(c, d) - dist(b, d) : 0.0);
                    if (gain > MinGainMm) return applyReversal(i + 1, j, {a, b, c, d}, gain);
                } else if (j + 1 < i) {  // c e ... a b  ->  c a ... e b
                    const int e = city(j + 1);
                    const double gain = ab + dist(c, e) - ac - dist(e, b);
                    if (gain > MinGainMm) return applyReversal(j + 1, i, {a, b, c, e}, gain);
                }
            }
        }
        if (i > 0) {
            const int p = city(i - 1);
            const double ap = dist(a, p);
            for (int n = 0; n < k_; ++n) {
                const int c = neighbours(a)[n];
                const double ac = dist(a, c);
                if (ac >= ap) break;
                const int j = place(c);
                if (j >= 1 && j + 1 < i) {  // e c ... p a  ->  e p ... c a
                    const int e = city(j - 1);
                    const double gain = ap + dist(e, c) - dist(e, p) - ac;
                    if (gain > MinGainMm) return applyReversal(j, i - 1, {a, p, c, e}, gain);
                } else if (j > i + 1) {  // p a ... e c  ->  p e ... a c
                    const int e = city(j - 1);
                    const double gain = ap + dist(e, c) - dist(p, e) - ac;
                    if (gain > MinGainMm) return applyReversal(i, j - 1, {a, p, c, e}, gain);
                }
            }
        }
        return 0.0;
    }

    double applyReversal(int from, int to, std::initializer_list<int> touched, double gain)
    {
        reverse(from, to);
        for (int c : touched) enqueue(c);
        return gain;
    }

    // Moves a run of 1 to 3 positions that starts or ends at a (either way round) between a
    // neighbour of one of its ends and that neighbour's successor or predecessor.
    double orOpt(int a)
    {
        const int i = place(a);
        for (int length = 1; length <= LongestMovedSegment; ++length) {
            for (const int first : {i, i - length + 1}) {
                const int lastOfRun = first + length - 1;
                if (first < 1 || lastOfRun > last() || (length == 1 && first != i)) continue;
                const double gain = moveRun(first, lastOfRun);
                if (gain > 0.0) return gain;
                if (length == 1) break;
            }
        }
        return 0.0;
    }

    double moveRun(int first, int lastOfRun)
    {
        const int p = city(first - 1);
        const int x = city(first);
        const int y = city(lastOfRun);
        const int nx = lastOfRun < last() ? city(lastOfRun + 1) : -1;
        const double removal = dist(p, x) + (nx >= 0 ? dist(y, nx) - dist(p, nx) : 0.0);
        if (removal <= MinGainMm) return 0.0;
        for (const int end : {x, y}) {
            const int other = end == x ? y : x;
            for (int n = 0; n < k_; ++n) {
                const int c = neighbours(end)[n];
                const double ce = dist(c, end);
                if (ce >= removal) break;
                const int jc = place(c);
                if (jc >= first && jc <= lastOfRun) continue;
                for (const int side : {1, -1}) {
                    const int jn = jc + side;
                    if (jn < 0 || (jn >= first && jn <= lastOfRun)) continue;
                    const int e = jn <= last() ? city(jn) : -1;
                    const double gain = removal - ce - (e >= 0 ? dist(other, e) - dist(c, e) : 0.0);
                    if (gain <= MinGainMm) continue;
                    insertRun(first, lastOfRun, std::min(jc, jn), end == x ? (side == 1) : (side == -1));
                    for (int touched : {p, x, y, nx, c, e}) enqueue(touched);
                    return gain;
                }
            }
            if (x == y) break;
        }
        return 0.0;
    }

    // Moves the run at first..lastOfRun to just after place `after` (outside the run, not the place
    // right before it); keepsDirection tells whether the run's first position stays first.
    void insertRun(int first, int lastOfRun, int after, bool keepsDirection)
    {
        const int length = lastOfRun - first + 1;
        int from = 0;
        int to = 0;
        int runStart = 0;
        if (after < first) {
            std::rotate(tour_.begin() + after + 1, tour_.begin() + first, tour_.begin() + lastOfRun + 1);
            from = after + 1;
            to = lastOfRun;
            runStart = after + 1;
        } else {
            std::rotate(tour_.begin() + first, tour_.begin() + lastOfRun + 1, tour_.begin() + after + 1);
            from = first;
            to = after;
            runStart = after + 1 - length;
        }
        if (!keepsDirection) std::reverse(tour_.begin() + runStart, tour_.begin() + runStart + length);
        reindex(from, to);
    }

    // Swaps two nearby runs (a localised double bridge: A B C D -> A C B D) and queues their ends;
    // returns the change of length in mm.
    double doubleBridge(XorShift& random)
    {
        const int p1 = 1 + random.below(n_ - 2);
        const int p2 = p1 + 1 + random.below(std::min(LongestKickSegment, n_ - 1 - p1));
        const int p3 = p2 + 1 + random.below(std::min(LongestKickSegment, n_ - p2));
        const int a = city(p1 - 1), b = city(p1), c = city(p2 - 1), d = city(p2), e = city(p3 - 1);
        const int f = p3 < n_ ? city(p3) : -1;
        const double change = dist(a, d) + dist(e, b) - dist(a, b) - dist(c, d) +
                              (f >= 0 ? dist(c, f) - dist(e, f) : 0.0);
        std::rotate(tour_.begin() + p1, tour_.begin() + p2, tour_.begin() + p3);
        reindex(p1, p3 - 1);
        for (int touched : {a, b, c, d, e, f}) enqueue(touched);
        return change;
    }

    const std::vector<StagePosition>& positions_;
    const int n_;
    int k_ = 0;
    std::vector<int> neighbours_;  // k_ per position, nearest first
    std::vector<int> tour_;        // positions in visiting order
    std::vector<int> at_;          // place of each position in tour_
    std::vector<bool> queued_;
    std::deque<int> queue_;
    int changedFrom_ = 0;  // places changed since the last kick began
    int changedTo_ = 0;
};

}  // namespace

double openPathLengthMm(const std::vector<StagePosition>& positions, const std::vector<int>& order)
{
    double length = 0.0;
    for (std::size_t i = 1; i < order.size(); ++i) {
        const StagePosition& p = positions[static_cast<std::size_t>(order[i - 1])];
        const StagePosition& q = positions[static_cast<std::size_t>(order[i])];
        length += std::sqrt((p.x - q.x) * (p.x - q.x) + (p.y - q.y) * (p.y - q.y));
    }
    return length;
}

namespace {

std::vector<int> listOrder(std::size_t count)
{
    std::vector<int> order(count);
    std::iota(order.begin(), order.end(), 0);
    return order;
}

}  // namespace

std::vector<int> shortestOpenPath(const std::vector<StagePosition>& positions, const PathSearchWork& work)
{
    std::vector<int> identity = listOrder(positions.size());
    if (positions.size() < 3) return identity;
    const std::vector<int> found = PathSearch(positions).run(work);
    return openPathLengthMm(positions, found) < openPathLengthMm(positions, identity) ? found : identity;
}

namespace {

std::vector<StagePosition> stagePositions(const Profile& profile)
{
    std::vector<StagePosition> positions;
    for (int i = 1; i <= profile.PointCount; ++i) {
        const PointRec& point = profile.Points[static_cast<std::size_t>(i)];
        positions.push_back({point.X, point.Y});
    }
    return positions;
}

double identityLengthMm(const std::vector<StagePosition>& positions)
{
    return openPathLengthMm(positions, listOrder(positions.size()));
}

}  // namespace

double pathLengthMm(const Profile& profile) { return identityLengthMm(stagePositions(profile)); }

std::string pathLengthText(double lengthMm) { return "Path " + formatNumber(lengthMm, "0.0") + " mm"; }

std::string pathLengthsText(const PathLengths& lengths)
{
    return pathLengthText(lengths.beforeMm) + " \u2192 " + formatNumber(lengths.afterMm, "0.0") + " mm";
}

PathLengths optimiseorder(Profile& profile)
{
    const std::vector<StagePosition> positions = stagePositions(profile);
    const std::vector<int> order = shortestOpenPath(positions);
    const auto points = profile.Points;
    for (std::size_t i = 0; i < order.size(); ++i)
        profile.Points[i + 1] = points[static_cast<std::size_t>(order[i]) + 1];
    return {identityLengthMm(positions), openPathLengthMm(positions, order)};
}

}  // namespace solvane
