#pragma once

#include "protocol/form_values.h"
#include "protocol/order_list.h"

namespace dtu {

// The command lists of the list operations, built from a snapshot of the form.

// The four queries of read all.
void BuildReadAllOrders(OrderList& orders);
// The version query, the work-mode lines and the five-line tail of write all.
void BuildWriteAllOrders(const FormValues& form, OrderList& orders);

// Firmware family 2: the queries read all appends, by work mode.
void AppendFamilyQueries(const FormValues& form, OrderList& orders);
// Firmware family 2: the set lines write all inserts before its tail, by work mode and view.
void InsertFamilySetLines(const FormValues& form, OrderList& orders);

}  // namespace dtu
