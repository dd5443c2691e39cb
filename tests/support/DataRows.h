#pragma once

// Test data by column position: columns<A, B>() in _data, row(tag, a, b) per row, const auto [a, b] = fetch<A, B>()
// in the test. Each value must have its column's type exactly (a string literal counts as a QString).
#include <QTest>

#include <tuple>
#include <utility>

namespace datarows {
inline const char* const kColumn[] = {"0", "1", "2", "3", "4", "5", "6", "7"}; // QtTest keeps the pointer
template<class... T, size_t... I> void columnsAt(std::index_sequence<I...>) { (QTest::addColumn<T>(kColumn[I]), ...); }
template<class... T, size_t... I> std::tuple<T...> fetchAt(std::index_sequence<I...>)
{
    return {*static_cast<T*>(QTest::qData(kColumn[I], qMetaTypeId<T>()))...};
}
} // namespace datarows

template<class... T> void columns()
{
    static_assert(sizeof...(T) <= std::size(datarows::kColumn));
    datarows::columnsAt<T...>(std::index_sequence_for<T...>());
}
template<class... T> void row(const QByteArray& tag, const T&... v) { (QTest::newRow(tag.constData()) << ... << v); }
template<class... T> std::tuple<T...> fetch() { return datarows::fetchAt<T...>(std::index_sequence_for<T...>()); }
