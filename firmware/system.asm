; The bundled system program: C000-FFFF. Power-on sets up the hardware and
; the system RAM and starts the monitor; the vector page holds the services
; that user programs call with VEJ or VMJ, and the interrupt vectors.

            INCLUDE "defs.inc"

            ORG &C000
reset:      LDI S,STACK_TOP
            SJP key_stop        ; no ticks until the keyboard is read
            RIE
            ; The main unit port: every strobe line up, the key port idle,
            ; the clock chip holding, the ON key's flags cleared.
            LDI A,&FF
            STA #(KEY_STROBE)
            STA #(KEY_PORT)
            LDI A,0
            STA #(PORT_C)
            SJP on_key_clear
            SJP ram_setup
            ; The display: RUN lit, everything else out.
            LDI A,0
            STA (LCD_FLAGS1)
            LDI A,ANN_RUN
            STA (LCD_FLAGS2)
            SIE
            JMP monitor         ; which draws the whole line

; The system RAM: set up once (MAGIC tells), kept while the machine is off;
; the keyboard and run state start afresh at every power-on.
ram_setup:  LDA (MAGIC)
            CPI A,'Z'
            BZR ram_first
            LDA (MAGIC+1)
            CPI A,'M'
            BZS ram_again
ram_first:  LDI A,HIGH(AUTO_OFF_DEFAULT)
            STA (AUTO_OFF)
            LDI A,LOW(AUTO_OFF_DEFAULT)
            STA (AUTO_OFF+1)
            LDI A,&40
            STA (MEM_ADDR)
            STA (GO_ADDR)
            LDI A,0
            STA (MEM_ADDR+1)
            STA (GO_ADDR+1)
            STA (HOW_ENDED)
            LDI A,'Z'
            STA (MAGIC)
            LDI A,'M'
            STA (MAGIC+1)
ram_again:  LDI A,0
            STA (TICKS)
            STA (IDLE)
            STA (IDLE+1)
            STA (CLOCK_DUE)
            STA (BREAK_SEEN)
            STA (USER_RUN)
            STA (SHIFTED)
            STA (LAST_SCAN)
            STA (HELD)
            STA (SCAN_SINCE)
            STA (REPEAT_KEY)
            STA (REPEAT_WAIT)
            STA (REPEATED)
            LDI A,100
            STA (PRESCALE1)
            LDI A,26
            STA (PRESCALE2)
            RTN

; Clears what the ON key set in the main unit port.
on_key_clear:
            ANI #(PORT_B),&7F
            ANI #(PORTB_DIR),&7F
            ANI #(IF_REG),&FD
            RTN

; The ON key: BREAK. A running user program is stopped and the monitor
; shows its registers; otherwise the next key read is K_BREAK.
on_key:     PSH A
            SJP on_key_clear
            LDA (USER_RUN)
            BZR break_program
            LDI A,1
            STA (BREAK_SEEN)
            POP A
            RTI
break_program:
            ; The stack holds A, then P (high, low) and T from the interrupt
            ; entry.
            POP A
            STA (REG_A)
            SJP save_xyu
            POP A
            STA (REG_P)
            POP A
            STA (REG_P+1)
            POP A
            STA (REG_T)
            SJP save_s
            LDI A,2
            STA (HOW_ENDED)
            JMP program_ended

; Saves X, Y and U into REG_X, REG_Y and REG_U.
save_xyu:   LDA XH
            STA (REG_X)
            LDA XL
            STA (REG_X+1)
            LDA YH
            STA (REG_Y)
            LDA YL
            STA (REG_Y+1)
            LDA UH
            STA (REG_U)
            LDA UL
            STA (REG_U+1)
            RTN

; Saves S as it was before the call into REG_S.
save_s:     LDX S
            INC X
            INC X
            LDA XH
            STA (REG_S)
            LDA XL
            STA (REG_S+1)
            RTN

; Runs the program at GO_ADDR with BUSY lit; it returns with RTN, or the ON
; key stops it. Either way the registers land in REG_... and the monitor
; goes on at program_ended with its own stack.
run_program:
            SJP key_stop
            LDX S
            LDA XH
            STA (SAVED_S)
            LDA XL
            STA (SAVED_S+1)
            LDI A,ANN_BUSY
            SJP ann1_on
            LDI A,0
            STA (OUTPUT_SEEN)
            LDI A,1
            STA (USER_RUN)
            SJP call_program
            ; back by RTN: A and the flags first, as the program left them
            STA (REG_A)
            TTA
            STA (REG_T)
            SJP save_xyu
            SJP save_s
            LDI A,1
            STA (HOW_ENDED)
            LDI A,0
            STA (REG_P)
            STA (REG_P+1)
program_ended:
            LDI A,0
            STA (USER_RUN)
            LDA (SAVED_S)
            STA XH
            LDA (SAVED_S+1)
            STA XL
            STX S
            SIE
            LDI A,ANN_BUSY
            SJP ann1_off
            LDI A,0
            STA (SHIFTED)
            SJP shift_show
            RTN

call_program:
            LDA (GO_ADDR)
            STA XH
            LDA (GO_ADDR+1)
            STA XL
            LDI A,0
            STX P

; Switches the machine off: the display goes blank and the CPU stops. The
; next ON starts again at reset, with the RAM as it was.
power_off:  LDI S,STACK_TOP
            SJP key_stop
            LDI A,0
            STA (LCD_FLAGS1)
            STA (LCD_FLAGS2)
            SJP lcd_clear
            OFF
off_again:  BCH off_again

            INCLUDE "display.asm"
            INCLUDE "keyboard.asm"
            INCLUDE "clock.asm"
            INCLUDE "services.asm"
            INCLUDE "monitor.asm"
            INCLUDE "font.asm"

; The top of the ROM: the address of the character set at FEFC, a service
; that only returns at FEFE, the vector page FF00-FFFF. Every vector word a
; VEJ or VMJ can name leads to code: the services at FFC0-FFCD, the
; interrupts and reset at FFF8-FFFF, and svc_none (FEFE) everywhere else.
            ORG &FEFC
            DW FONT
svc_none:   RTN                 ; at FEFE: FE FE is its vector word

            ORG &FF00
            DS &C0,&FE          ; VMJ 00 to VMJ BF
            DW svc_clear        ; VEJ (C0)
            DW svc_print_char   ; VEJ (C2)
            DW svc_print_hex    ; VEJ (C4)
            DW svc_wait_key     ; VEJ (C6)
            DW svc_read_clock   ; VEJ (C8)
            DW svc_print_text   ; VEJ (CA)
            DW svc_locate       ; VEJ (CC)
            DS &FFF8-$,&FE      ; VEJ (CE) to VEJ (F6): none yet

            DW on_key           ; maskable interrupt: the ON key
            DW timer_tick       ; timer
            DW reset            ; non-maskable: nothing raises it
            DW reset
