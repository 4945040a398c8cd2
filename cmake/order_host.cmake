# The ordering site's host name, checked when the build is configured: a DNS host name alone
# (letters, digits and hyphens in dot-separated labels of 1 to 63 characters, 253 at most), so
# the address baked into the program is exactly "http://" + host + "/".
function(korvessa_check_order_host host)
    if(host MATCHES "[:@/?#]")
        message(FATAL_ERROR "KORVESSA_ORDER_HOST='${host}': give the host name alone, without "
            "scheme, port, user information, path, query or fragment")
    endif()
    string(LENGTH "${host}" length)
    if(length EQUAL 0 OR length GREATER 253)
        message(FATAL_ERROR "KORVESSA_ORDER_HOST='${host}': a host name has 1 to 253 characters")
    endif()
    if(host MATCHES "^\\." OR host MATCHES "\\.$" OR host MATCHES "\\.\\.")
        message(FATAL_ERROR "KORVESSA_ORDER_HOST='${host}': a label is empty")
    endif()
    string(REPLACE "." ";" labels "${host}")
    foreach(label IN LISTS labels)
        string(LENGTH "${label}" label_length)
        if(label_length GREATER 63 OR NOT label MATCHES "^[A-Za-z0-9]([-A-Za-z0-9]*[A-Za-z0-9])?$")
            message(FATAL_ERROR "KORVESSA_ORDER_HOST='${host}': the label '${label}' is not 1 to "
                "63 letters, digits or inner hyphens")
        endif()
    endforeach()
endfunction()

# Run as a script (cmake -DHOST=... -P order_host.cmake) the check alone, for its tests.
if(CMAKE_SCRIPT_MODE_FILE)
    korvessa_check_order_host("${HOST}")
endif()
