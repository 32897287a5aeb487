#pragma once

#include "form/form_model.h"
#include "protocol/order_list.h"

namespace dtu {

// The form's lines of the command lists.

// The queries read all starts with: the version, the port's rate and format,
// and the sockets, whose answer reports the whole data page.
void BuildReadAllOrders(OrderList& orders);

// The version query, the work-mode lines and the five-line tail of write all.
void BuildWriteAllOrders(const FormModel& form, OrderList& orders);

// Firmware family 2: the queries read all appends, by work mode.
void AppendFamilyQueries(const FormModel& form, OrderList& orders);
// Firmware family 2: the set lines write all inserts before its tail, by work
// mode and view. An empty cloud password is not sent: the device keeps its own.
void InsertFamilySetLines(const FormModel& form, OrderList& orders);

}  // namespace dtu
