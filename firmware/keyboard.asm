; The keyboard: a scan of the matrix through the strobe register and the key
; port, debounced on the CPU timer, which ticks about 2600 times a second
; while the keyboard is read. The ticks also count the idle seconds after
; which the machine switches itself off, and the wait before a held key
; comes again.

; Starts the ticks: the keyboard is about to be read.
key_start:  LDI A,1
            STA (TICKING)
            LDI A,TICK_LOAD
            AM0
            RTN

; Stops the ticks, so that a user program runs without them.
key_stop:   LDI A,0
            STA (TICKING)
            AM0
            RTN

; The timer interrupt: one tick. Keeps every register and flag.
timer_tick: PSH A
            LDA (TICKING)
            BZS tick_end        ; a user program's own timer: nothing to do
            LDI A,TICK_LOAD
            AM0
            ADI (TICKS),1
            ADI (PRESCALE1),&FF ; count down the ticks of a hundred...
            BZR tick_end
            LDI A,100
            STA (PRESCALE1)
            LDI A,1
            STA (CLOCK_DUE)
            LDA (REPEAT_WAIT)   ; the wait of a held key counts down in hundreds
            BZS tick_hundred
            DEC A
            STA (REPEAT_WAIT)
tick_hundred:
            ADI (PRESCALE2),&FF ; ...and the hundreds of a second
            BZR tick_end
            LDI A,26
            STA (PRESCALE2)
            ADI (IDLE+1),1
            BCR tick_end
            ADI (IDLE),1
tick_end:   POP A
            RTI

; One look at the keyboard: A = the key that has just been pressed, or 0 (Z
; set) when there is none. A key counts once it has stayed down DEBOUNCE
; ticks; held on, it comes again after REPEAT_DELAY hundreds of ticks, then
; every REPEAT_RATE hundreds (REPEATED tells a repeat from a press). SHIFT
; and OFF are handled here, and so are BREAK (the ON key) and the idle
; power-off. Needs key_start.
key_poll:   LDI A,0
            STA (REPEATED)
            LDA (BREAK_SEEN)
            BZS poll_scan
            LDI A,0
            STA (BREAK_SEEN)
            STA (SHIFTED)
            SJP shift_show
            LDI A,K_BREAK
            BCH poll_report
poll_scan:  SJP key_scan
            CPA (LAST_SCAN)
            BZS poll_same
            STA (LAST_SCAN)     ; a change: wait until it settles
            LDA (TICKS)
            STA (SCAN_SINCE)
            BCH poll_none
poll_same:  LDA (TICKS)
            SEC
            SBC (SCAN_SINCE)
            CPI A,DEBOUNCE
            BCR poll_none       ; not settled yet
            LDA (TICKS)         ; settled, and so it stays while it is held,
            SEC                 ; however often the ticks wrap
            SBI A,DEBOUNCE
            STA (SCAN_SINCE)
            LDA (LAST_SCAN)
            CPA (HELD)
            BZS poll_held       ; still the key already reported
            STA (HELD)
            LDI A,0             ; a new key: nothing repeats until it is reported
            STA (REPEAT_KEY)
            LDA (HELD)
            CPI A,0
            BZS poll_none       ; all keys up
            CPI A,K_OFF
            BZR poll_not_off
            JMP power_off
poll_not_off:
            CPI A,K_SHIFT
            BZR poll_key
            LDA (SHIFTED)
            EAI 1
            STA (SHIFTED)
            SJP shift_show
            BCH poll_none
poll_key:   STA (TEMP)
            LDA (SHIFTED)
            BZS poll_unshifted
            LDI A,0
            STA (SHIFTED)
            SJP shift_show
            LDA (TEMP)
            ORI A,SHIFT_BIT
            BCH poll_report
poll_unshifted:
            LDA (TEMP)
poll_report:
            SJP repeat_start
            PSH A               ; the idle time starts again, a whole second from now
            LDI A,0
            STA (IDLE)
            STA (IDLE+1)
            LDI A,100
            STA (PRESCALE1)
            LDI A,26
            STA (PRESCALE2)
            POP A               ; Z clear: a key
            RTN
poll_none:  SJP idle_check
            LDI A,0
            RTN
; The key reported is still held: its repeat, when it is due. A repeat is
; no new activity: the idle time goes on.
poll_held:  LDA (REPEAT_KEY)
            BZS poll_none       ; a key that does not repeat
            LDA (REPEAT_WAIT)
            BZR poll_none       ; not yet
            LDI A,REPEAT_RATE
            STA (REPEAT_WAIT)
            LDI A,1
            STA (REPEATED)
            LDA (REPEAT_KEY)    ; Z clear: a key
            RTN

; Key A has just been reported: it repeats after REPEAT_DELAY unless it is
; BREAK, ENTER or CL (shifted or not), which end or abandon what is typed,
; so that the screen after them would take the repeat for a key of its own.
; Keeps A.
repeat_start:
            PSH A
            ANI A,&FF-SHIFT_BIT
            CPI A,K_BREAK
            BZS repeat_never
            CPI A,K_ENTER
            BZS repeat_never
            CPI A,K_CL
            BZS repeat_never
            POP A
            STA (REPEAT_KEY)
            PSH A
            LDI A,REPEAT_DELAY
            STA (REPEAT_WAIT)
            POP A
            RTN
repeat_never:
            LDI A,0
            STA (REPEAT_KEY)
            POP A
            RTN

; Switches the machine off once it has been idle AUTO_OFF seconds (0: never).
idle_check: LDA (AUTO_OFF)
            ORA (AUTO_OFF+1)
            BZS idle_ok
            LDA (IDLE)
            CPA (AUTO_OFF)
            BCR idle_ok         ; high byte below
            BZR idle_over       ; high byte above
            LDA (IDLE+1)
            CPA (AUTO_OFF+1)
            BCR idle_ok
idle_over:  JMP power_off
idle_ok:    RTN

; The SHIFT annunciator shows SHIFTED.
shift_show: LDI A,ANN_SHIFT
            SJP ann1_off
            LDA (SHIFTED)
            BZS shift_shown
            LDI A,ANN_SHIFT
            SJP ann1_on
shift_shown:
            RTN

; Waits for a key: A = its code (see the key table). Starts and stops the
; ticks itself.
key_wait:   SJP key_start
key_wait_loop:
            SJP key_poll
            BZS key_wait_loop
            PSH A
            SJP key_stop
            POP A
            RTN

; Reads the matrix: A = the code of the key down, or 0. With every strobe
; line up the port gives the key's column bit (FF: no key; 00: none since
; the reset, or only ON); the line is the first single strobe whose port
; byte has a bit clear. The lines are tried from 01 up, so that + (wired to
; lines 10 and 40) is not taken for the right arrow (line 40 alone).
key_scan:   PSH X
            LDI A,&FF
            STA #(KEY_STROBE)
            LDA #(KEY_PORT)
            BZS scan_none
            CPI A,&FF
            BZS scan_none
            LDI XL,0            ; the column: the number of the bit set
scan_bit:   SHR
            BCS scan_line
            INC XL
            BCH scan_bit
scan_line:  LDI XH,0            ; 8 times the line number
            LDI A,1             ; strobe lines 01, 02 ... 80
scan_try:   STA (TEMP)
            STA #(KEY_STROBE)
            LDA #(KEY_PORT)
            CPI A,&FF
            BZR scan_found
            LDA XH
            REC
            ADI A,8
            STA XH
            LDA (TEMP)
            SHL
            BZR scan_try
scan_none:  LDI A,0
            BCH scan_end
scan_found: LDA XH
            REC
            ADC XL
            LDI XH,HIGH(KEY_CODES)
            LDI XL,LOW(KEY_CODES)
            ADR X
            LDA (X)
scan_end:   STA (TEMP)
            LDI A,&FF           ; leave every line up
            STA #(KEY_STROBE)
            LDA (TEMP)
            POP X
            RTN

; The code of each matrix point, by strobe line (01 first), column bit 0-7.
KEY_CODES:  DB '2', '5', '8', 'H', K_SHIFT, 'Y', 'N', K_UP           ; 01
            DB '.', '-', K_OFF, 'S', K_F1, 'W', 'X', K_UPDOWN        ; 02
            DB '1', '4', '7', 'J', K_F1+4, 'U', 'M', '0'             ; 04
            DB ')', 'L', 'O', 'K', K_F1+5, 'I', '(', K_ENTER         ; 08
            DB '+', '*', '/', 'D', K_F1+1, 'E', 'C', K_RCL           ; 10
            DB '=', K_LEFT, 'P', 'F', K_F1+2, 'R', 'V', ' '          ; 20
            DB K_RIGHT, K_MODE, K_CL, 'A', K_DEF, 'Q', 'Z', K_SML    ; 40
            DB '3', '6', '9', 'G', K_F1+3, 'T', 'B', K_DOWN          ; 80
